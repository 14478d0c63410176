#pragma once
// One thread that does handed-over work in the order it was handed over, while the caller goes
// on. The canvas gives it the pixel work of a long batch: the caller walks the drawing and
// decides what to set, the band sets it.
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

class Fliessband {
  public:
    Fliessband() = default;
    // Finishes the work handed over, then ends the thread.
    ~Fliessband();
    Fliessband(const Fliessband&) = delete;
    Fliessband& operator=(const Fliessband&) = delete;

    // Hands over a piece of work; the thread starts with the first.
    void Auflegen(std::function<void()> arbeit);
    // Returns once all work handed over is done; what it did is then seen by the caller.
    void Abwarten();

  private:
    void Laufen();

    std::mutex sperre_;
    std::condition_variable neu_, fertig_;
    std::deque<std::function<void()>> arbeiten_;
    bool beschaeftigt_ = false;
    bool ende_ = false;
    std::thread faden_;
};
