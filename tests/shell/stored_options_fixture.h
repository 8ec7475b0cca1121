// Tests of the dialogs that edit options: each starts and ends with no stored
// options, and reads the ones it gives into memory as a start does.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <initializer_list>
#include <string>
#include <utility>

#include "shell/option_store.h"
#include "shell/options.h"
#include "base/registry.h"

class StoredOptionsTest : public ::testing::Test {
protected:
    void SetUp() override { Reset(); }
    void TearDown() override { Reset(); }
    static void Reset() {
        RegDeleteTree(HKEY_CURRENT_USER, kOptionsKey);
        LoadOptions();
    }
    // Sets options in the registry and reads them into memory, as a start does.
    static void Given(std::initializer_list<std::pair<const char*, const char*>> options) {
        for (const auto& [name, value] : options) RegWriteString(HKEY_CURRENT_USER, kOptionsKey, name, value);
        LoadOptions();
    }
    static std::string Stored(const char* name) {
        FixedText<32> text;
        RegReadString(kOptionsKey, name, HKEY_CURRENT_USER, text);
        return std::string(text.view());
    }
};
