#pragma once

#include <csignal>

#include <sys/resource.h>

// While it lives, no file this process writes grows past `bytes`: a write
// beyond fails as it would on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_Saved);
        rlimit small = m_Saved;
        small.rlim_cur = bytes;
        m_OldHandler = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_Saved);
        std::signal(SIGXFSZ, m_OldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_Saved {};
    void (*m_OldHandler)(int) = nullptr;
};
