// How long calculator commands learn that the user wants them to stop.
#pragma once

#include <cstdint>

namespace textaria::calc {

// "Was Escape pressed?" The window answers from its key events (and keeps itself alive while
// it is asked); the command line answers from a step budget; tests answer as they like.
class InterruptPoll {
  public:
    virtual ~InterruptPoll() = default;
    virtual bool escapePressed() = 0;
};

// Never interrupts: for callers that know their commands end by themselves.
class NoInterrupt final : public InterruptPoll {
  public:
    bool escapePressed() override { return false; }
};

// Answers "pressed" once a fixed number of polls has been used up, so that a search that
// would only end on Escape still ends where nobody can press it.
class StepBudget final : public InterruptPoll {
  public:
    explicit StepBudget(std::uint64_t polls) : left_(polls) {}
    bool escapePressed() override {
        if (left_ == 0) return true;
        --left_;
        return false;
    }
    std::uint64_t left() const { return left_; }
    void refill(std::uint64_t polls) { left_ = polls; }

  private:
    std::uint64_t left_;
};

}  // namespace textaria::calc
