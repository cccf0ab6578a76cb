#include "shell/core/ondemand.h"

#include <dlfcn.h>
#include <unistd.h>

#include <climits>
#include <map>
#include <mutex>

namespace shell {

std::string executableFolder()
{
    char path[PATH_MAX + 1];
    const ssize_t length = ::readlink("/proc/self/exe", path, PATH_MAX);
    if (length <= 0)
        return {};
    const std::string executable(path, static_cast<std::size_t>(length));
    const std::size_t slash = executable.rfind('/');
    return slash == std::string::npos ? std::string() : executable.substr(0, slash == 0 ? 1 : slash);
}

void *librarySymbol(const std::string &fileName, const char *symbol, const std::vector<std::string> &alsoIn,
                    std::string &problem)
{
    // Opened libraries stay open: the objects they made (a printer, Qt's font engines) live on.
    static std::mutex guard;
    static std::map<std::string, void *> opened;
    const std::lock_guard<std::mutex> lock(guard);

    void *&handle = opened[fileName];
    if (!handle) {
        const std::string folder = executableFolder();
        if (folder.empty()) {
            problem = "cannot find " + fileName + ": the program's own folder cannot be read";
            return nullptr;
        }
        std::vector<std::string> candidates{folder + "/" + fileName};
        for (const std::string &relative : alsoIn)
            candidates.push_back(folder + "/" + relative + "/" + fileName);
        for (const std::string &candidate : candidates) {
            // Only a file that is there is opened: a missing one in the first place is no reason
            // to report, a broken one is.
            if (::access(candidate.c_str(), F_OK) != 0)
                continue;
            handle = ::dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL);
            if (!handle) {
                const char *why = ::dlerror();
                problem = why ? why : candidate + ": cannot be opened";
                return nullptr;
            }
            break;
        }
        if (!handle) {
            problem = "cannot find " + fileName + " in " + candidates.front().substr(0, folder.size());
            for (const std::string &relative : alsoIn)
                problem += " nor in " + folder + "/" + relative;
            return nullptr;
        }
    }
    void *address = ::dlsym(handle, symbol);
    if (!address)
        problem = fileName + " has no " + symbol;
    return address;
}

}  // namespace shell
