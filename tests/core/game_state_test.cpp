#include <gtest/gtest.h>

TEST(GameState, Placeholder) {}
