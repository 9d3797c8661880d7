#pragma once

// Counts the calls of the global operator new (every form) made anywhere in
// the process, the plug-in library included, while counting is on. The test
// executable replaces operator new and exports it, so the library's
// allocations bind to it.
class AllocationCounter {
public:
    AllocationCounter();   // starts counting from 0
    ~AllocationCounter();  // stops counting
    AllocationCounter(const AllocationCounter&) = delete;
    AllocationCounter& operator=(const AllocationCounter&) = delete;

    void pause();
    void resume();
    long count() const;
};
