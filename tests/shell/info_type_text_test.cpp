#include <gtest/gtest.h>

#include <string>

#include "res/resource_ids.h"
#include "shell/load_text.h"
#include "shell/info_item.h"
#include "shell/info_item_fixture.h"
#include "shell/info_type_text.h"

using infotest::Item;

TEST(InfoDescriptionText, PlainItemsShowTheirDescriptionOrTheExplanation) {
    const std::string explanation = LoadTextString(IDS_INFO_EXPLANATION);
    EXPECT_EQ(InfoDescriptionText(Item(1, "Anyone", "Found in Run")), "Found in Run");
    EXPECT_EQ(InfoDescriptionText(Item(1, "Anyone")), explanation);
}

TEST(InfoTypeHooks, LaterTypesReplaceTheTextsOfTheirOwnRange) {
    InfoTypeHooks hooks;
    hooks.describe = [](const InfoItem& item, std::string& text) {
        text = "Task status\r\nTask comment";
        return true;
    };
    hooks.locationLine = [](const InfoItem& item, std::string& line) {
        line = "CLSID: " + std::string(item.text.view());
        return true;
    };
    SetInfoTypeHooks(800, 802, hooks);
    EXPECT_EQ(InfoDescriptionText(Item(801, "", "{ABC}")), "Task status\r\nTask comment");
    EXPECT_EQ(InfoLocationLine(Item(801, "", "{ABC}")), "CLSID: {ABC}");
    InfoItem outside = Item(803, "", "row text");
    outside.location = "Somewhere";
    EXPECT_EQ(InfoDescriptionText(outside), "row text");
    EXPECT_EQ(InfoLocationLine(outside), LoadTextString(IDS_STARTUP_LOCATION) + " Somewhere");
    SetInfoTypeHooks(800, 802, {});
    EXPECT_EQ(InfoDescriptionText(Item(801, "", "row text")), "row text");
}
