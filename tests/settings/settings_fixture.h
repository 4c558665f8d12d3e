// Shared set-up of the settings-store tests: a fresh session with one new
// drawing whose command-line output is captured, a host profile of its own
// (so registry.reg starts empty), no message-box answers queued, no settings
// file left open, and the toolkit's module-wide state back to that of a
// fresh load.
#pragma once

#include "host/base/text.h"
#include "host/db/session.h"
#include "host/win/answers.h"
#include "settings/dv_ini.h"
#include "settings/ini_store.h"
#include "support/test_support.h"
#include "toolkit/catalogue_bytes.h"
#include "toolkit/dv_alert.h"
#include "toolkit/dv_catalogue.h"
#include "toolkit/dv_debug.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vma::test {

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto& session = host::Session::get();
        session.reset();
        session.profileDir() = profile.path();
        session.open(nullptr);
        session.setOutput([this](std::wstring_view text) { transcript += text; });
        session.supportPath().push_back(dir.path());
        win::MessageBoxAnswers::get().clear();
        resetModule();
    }
    void TearDown() override {
        resetModule();
        host::Session::get().reset();
    }
    static void resetModule() {
        dv_ini_save_all(3);
        IniStore::get().lastStorage = DV_INI_FILE;
        dv_catalogue_close();
        dv_reset_alert_titles();
        dv_debug_set_level(0);
        dv_set_trace_mode(0);
        dv_set_trace_file(nullptr);
    }
    bool said(std::wstring_view text) const { return transcript.find(text) != std::wstring::npos; }
    std::string shown() const { return wideToUtf8(transcript); }
    // Opens a catalogue of one variant per line made of these sections.
    void useCatalogue(const std::vector<RawSection>& sections) {
        writeFile(dir / "cat.txt", rawCatalogue(sections, 128));
        ASSERT_EQ(dv_catalogue_open((dir / "cat.txt").wstring().c_str(), 1, 0), 0);
    }

    TempDir profile;
    TempDir dir;
    std::wstring transcript;
};

} // namespace vma::test
