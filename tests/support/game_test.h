#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "runtime/system.h"
#include "runtime/test_backend.h"

// Every engine and screen test starts here: a fresh test backend with its fake clock,
// no screens, and every global back to its state at program start.
class GameTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs code that may end the program; true when it did.
    template <class F>
    bool ends_program(F&& code) {
        try {
            code();
        } catch (const rt::ProgramEnd&) {
            return true;
        }
        return false;
    }

    // A game of the difficulty set up with empty boards, its sounds so far forgotten.
    void new_game(int16_t difficulty);

    rt::TestBackend backend;
};

// What the code said on standard error.
template <class F>
std::string stderr_of(F&& code) {
    ::testing::internal::CaptureStderr();
    code();
    return ::testing::internal::GetCapturedStderr();
}

// Several values taken together, so that a test compares them in one line and a failure shows all.
template <class... T>
std::vector<double> values(T... v) {
    return {static_cast<double>(v)...};
}
