#include "app/global_state.h"

#include <gtest/gtest.h>

TEST(GlobalState, StartsZeroFilled) {
    const app::GlobalState fresh;
    EXPECT_TRUE(fresh.sourceText.empty());
    EXPECT_TRUE(fresh.fillText.empty());
    EXPECT_TRUE(fresh.colourText.empty());
    EXPECT_EQ(fresh.stepOneDone, 0);
    EXPECT_EQ(fresh.scanRow, 0);
    EXPECT_EQ(fresh.scanColumn, 0);
    EXPECT_EQ(fresh.selectionReleased, 0);
    EXPECT_EQ(fresh.selectionDragging, 0);
    EXPECT_EQ(fresh.selectionLeft, 0);
    EXPECT_EQ(fresh.selectionBottom, 0);
}

TEST(GlobalState, SelectionCornersKeepTheLow16BitsSignExtended) {
    app::GlobalState state;
    struct Case {
        int stored;
        int readBack;
    };
    for (const Case c : {Case{1919, 1919}, Case{65535, -1}, Case{40000, -25536}, Case{70000, 4464},
                         Case{-2, -2}}) {
        state.selectionLeft = c.stored; // the field itself must do the cutting
        state.selectionBottom = c.stored;
        EXPECT_EQ(state.selectionLeft, c.readBack) << c.stored;
        EXPECT_EQ(state.selectionBottom, c.readBack) << c.stored;
    }
}
