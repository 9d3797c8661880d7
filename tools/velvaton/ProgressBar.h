#pragma once

#include <cstdint>

// A one-line progress bar on stderr, drawn only when stderr is a terminal so
// that logs and pipes stay clean.
class ProgressBar {
public:
    explicit ProgressBar(int64_t total);
    ~ProgressBar();
    void update(int64_t done);

private:
    int64_t total_;
    int lastPercent_ = -1;
    bool enabled_;
};
