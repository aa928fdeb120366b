#include "SoundLog.h"

namespace numbrook {

Q_LOGGING_CATEGORY(lcSound, "numbrook.sound")

} // namespace numbrook
