#include "ProgressBar.h"

#include <cstdio>
#include <unistd.h>

namespace {
constexpr int kBarWidth = 40;
}

ProgressBar::ProgressBar(int64_t total) : total_(total), enabled_(isatty(STDERR_FILENO) == 1) {}

ProgressBar::~ProgressBar() {
    if (enabled_ && lastPercent_ >= 0)
        std::fputc('\n', stderr);
}

void ProgressBar::update(int64_t done) {
    if (!enabled_)
        return;
    // The header's length may be wrong: never past 100 %.
    const int percent = total_ > 0 && done < total_ ? static_cast<int>(done * 100 / total_) : 100;
    if (percent == lastPercent_)
        return;
    lastPercent_ = percent;
    const int filled = percent * kBarWidth / 100;
    char bar[kBarWidth + 1];
    for (int i = 0; i < kBarWidth; ++i)
        bar[i] = i < filled ? '#' : '.';
    bar[kBarWidth] = '\0';
    std::fprintf(stderr, "\r[%s] %3d%%", bar, percent);
    std::fflush(stderr);
}
