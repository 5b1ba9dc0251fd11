// Where the windows land on screens of several sizes.
#include <gtest/gtest.h>

#include "shell/window_places.h"

TEST(WindowPlaces, CentredOnAUsualScreen)
{
    const Point menu = menuWindowPlace(1024, 768);
    EXPECT_EQ(menu.x, 401);
    EXPECT_EQ(menu.y, 217);
    const Point game = gameWindowPlace(1024, 768);
    EXPECT_EQ(game.x, 142);
    EXPECT_EQ(game.y, 71);
}

TEST(WindowPlaces, OnlyYIsRaisedToTheTop)
{
    EXPECT_EQ(gameWindowPlace(640, 480).x, -50);
    EXPECT_EQ(gameWindowPlace(640, 600).y, 0);
    EXPECT_EQ(menuWindowPlace(200, 300).x, -11);
    EXPECT_EQ(menuWindowPlace(200, 300).y, 0);
}
