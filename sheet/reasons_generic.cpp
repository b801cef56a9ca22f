#include "sheet/desktop.h"

namespace sheet {

// The generic reasons say all there is to say on a system without reasons of its own.
std::string_view platformReason(std::error_code) {
    return {};
}

} // namespace sheet
