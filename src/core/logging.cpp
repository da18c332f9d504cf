#include "logging.h"

namespace kvidrel {

Q_LOGGING_CATEGORY(lcKvidrel, "kvidrel")

} // namespace kvidrel
