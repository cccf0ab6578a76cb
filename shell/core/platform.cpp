#include "shell/core/platform.h"

namespace shell {

char folderSeparator()
{
#ifdef _WIN32
    return '\\';
#else
    return '/';
#endif
}

}  // namespace shell
