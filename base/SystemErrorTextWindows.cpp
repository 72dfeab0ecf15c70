#include "base/SystemErrorText.h"

namespace cadmira {

// Windows' reasons carry no errno to word anew in another language; the message stands.
std::string ErrorMessageInLocale(const Error& error, const char*) { return error.message; }

}  // namespace cadmira
