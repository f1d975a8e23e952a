#include "typeset/typeset.h"

namespace mebuki {}  // namespace mebuki
