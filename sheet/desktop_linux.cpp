#include "sheet/desktop.h"

namespace sheet {

Desktop thisDesktop() {
    return Desktop::Linux;
}

} // namespace sheet
