#include "sheet/desktop.h"

namespace sheet {

Desktop thisDesktop() {
    return Desktop::Linux;
}

std::string_view platformReason(std::error_code) {
    return {}; // the generic reasons say it all
}

} // namespace sheet
