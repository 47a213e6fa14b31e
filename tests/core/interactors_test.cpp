#include "core/interactors.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Records the events it gets, and can stop them for the interactors behind it.
class Recorder : public glh::glut_interactor {
  public:
    Recorder(std::string name, std::string& log, bool stop = false)
        : name_(std::move(name)), log_(log), stop_(stop) {}
    void keyboard(unsigned char key, int x, int y) override {
        log_ += name_ + ":" + static_cast<char>(key) + std::to_string(x) + std::to_string(y) + " ";
        if (stop_) interactorList.propagate = false;
    }

  private:
    std::string name_;
    std::string& log_;
    bool stop_;
};

class Interactors : public testing::Test {
  protected:
    void SetUp() override { interactorList.items.clear(); }
    void TearDown() override { interactorList.items.clear(); }
    std::string log;
};

TEST_F(Interactors, AnEmptyListDoesNothing) {
    fanoutKeyboard('a', 1, 2);
    fanoutDisplay();
    EXPECT_TRUE(interactorList.items.empty());
}

TEST_F(Interactors, EventsGoAlongTheListUntilOneStopsThem) {
    Recorder a("a", log), b("b", log, /*stop=*/true), c("c", log);
    addInteractor(&a, true);
    addInteractor(&b, true);
    addInteractor(&c, true);
    fanoutKeyboard('k', 3, 4);
    EXPECT_EQ(log, "a:k34 b:k34 ");
    // The next event starts with propagation on again.
    log.clear();
    fanoutKeyboard('x', 0, 0);
    EXPECT_EQ(log, "a:x00 b:x00 ");
}

TEST_F(Interactors, AddingTwiceKeepsOneEntryAtTheSecondEnd) {
    Recorder a("a", log), b("b", log);
    addInteractor(&a, true);
    addInteractor(&b, true);
    addInteractor(&a, true);
    fanoutKeyboard('k', 0, 0);
    EXPECT_EQ(log, "b:k00 a:k00 ");
    addInteractor(&a, false);
    log.clear();
    fanoutKeyboard('k', 0, 0);
    EXPECT_EQ(log, "a:k00 b:k00 ");
    EXPECT_EQ(interactorList.items.size(), 2u);
}

TEST_F(Interactors, TheForwardingInteractorCallsOnlyThePointersThatAreSet) {
    static std::string seen;
    seen.clear();
    CallbackInteractor forward;
    addInteractor(&forward, true);
    // Every slot with a null pointer is harmless.
    fanoutDisplay();
    fanoutMouse(0, 0, 1, 1);
    fanoutSpecial(101, 0, 0);
    forward.idle();
    forward.timer(5);
    forward.keyboardFunc = [](unsigned char key, int x, int y) {
        seen = std::string(1, static_cast<char>(key)) + std::to_string(x + y);
    };
    fanoutKeyboard('q', 2, 3);
    EXPECT_EQ(seen, "q5");
}

}  // namespace
