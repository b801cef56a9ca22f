#include "sheet/desktop.h"

namespace sheet {

Desktop thisDesktop() {
    return Desktop::Web;
}

} // namespace sheet
