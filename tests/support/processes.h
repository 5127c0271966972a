#pragma once
// What a test process has started and left running: its threads and child
// processes, read from /proc.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

inline int ThreadCount() {
    // ThreadSanitizer starts a thread of its own along with the process's
    // first other thread, and keeps it: one is started first, so that the
    // sanitizer's thread counts from the first count on.
    static const bool sanitizerThreadStarted = [] {
        std::thread([] {}).join();
        return true;
    }();
    (void)sanitizerThreadStarted;
    const auto tasks = std::filesystem::directory_iterator("/proc/self/task");
    return static_cast<int>(std::distance(std::filesystem::begin(tasks), std::filesystem::end(tasks)));
}

// Running and unreaped (zombie) children alike.
inline std::vector<int> ChildProcesses() {
    std::vector<int> children;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/proc", error)) {
        std::ifstream stat(entry.path() / "stat");
        std::string line;
        if (!std::getline(stat, line)) continue;
        // pid (name) state ppid ...: the name may hold blanks, so read after its ")".
        std::istringstream rest(line.substr(line.rfind(')') + 1));
        char state = 0;
        int parent = 0;
        if (rest >> state >> parent && parent == getpid()) children.push_back(std::stoi(entry.path().filename()));
    }
    return children;
}
