#include "view/Fliessband.h"

Fliessband::~Fliessband() {
    if (!faden_.joinable()) return;
    {
        std::lock_guard<std::mutex> l(sperre_);
        ende_ = true;
    }
    neu_.notify_one();
    faden_.join();
}

void Fliessband::Auflegen(std::function<void()> arbeit) {
    {
        std::lock_guard<std::mutex> l(sperre_);
        arbeiten_.push_back(std::move(arbeit));
    }
    if (!faden_.joinable()) faden_ = std::thread([this] { Laufen(); });
    neu_.notify_one();
}

void Fliessband::Abwarten() {
    std::unique_lock<std::mutex> l(sperre_);
    fertig_.wait(l, [this] { return arbeiten_.empty() && !beschaeftigt_; });
}

void Fliessband::Laufen() {
    std::unique_lock<std::mutex> l(sperre_);
    for (;;) {
        neu_.wait(l, [this] { return ende_ || !arbeiten_.empty(); });
        if (arbeiten_.empty()) return;
        std::function<void()> arbeit = std::move(arbeiten_.front());
        arbeiten_.pop_front();
        beschaeftigt_ = true;
        l.unlock();
        arbeit();
        l.lock();
        beschaeftigt_ = false;
        if (arbeiten_.empty()) fertig_.notify_all();
    }
}
