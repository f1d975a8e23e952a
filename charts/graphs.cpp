#include "charts/charts.h"

namespace mebuki {}  // namespace mebuki
