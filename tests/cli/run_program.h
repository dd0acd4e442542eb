#pragma once
// The real program as a whole process: run with a time limit (a hang shows as exit code 124), its
// output and error text captured.

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace veskaro::testing {

inline std::string Quote(const std::string& s) {
    std::string q = "'";
    for (char c : s)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

inline std::string Slurp(const std::filesystem::path& p) {
    std::ifstream f(p, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

inline void Spit(const std::filesystem::path& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary) << bytes;
}

struct ProcessRun {
    int code = -1;
    std::string out, err;
};

// Runs `veskaro-cr ARGS` with the environment assignments `env` ("NAME=value ..."); the captured text goes
// through two files in `scratch`.
inline ProcessRun RunProgram(const std::string& args, const std::filesystem::path& scratch,
                             const std::string& env = "") {
    const std::string cmd = "timeout 60 env " + env + " " + Quote(VESKARO_BINARY) + " " + args + " >" +
                            Quote((scratch / "out").string()) + " 2>" + Quote((scratch / "err").string());
    const int status = std::system(cmd.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, Slurp(scratch / "out"), Slurp(scratch / "err")};
}

} // namespace veskaro::testing
