// A configuration dialog opened on a small data directory of three scenes
// (their pictures missing, which the scenes survive), with message boxes
// recorded and web addresses caught by a stand-in browser on PATH.
#pragma once

#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/Fl_Window.H>

#include <chrono>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <thread>

#include "catalogue/current_scenario.h"
#include "catalogue/scenario.h"
#include "config_ui/configure.h"
#include "config_ui/widget_check_list.h"
#include "config_ui/widget_tabs.h"
#include "config_ui/widget_track_bar.h"
#include "config_ui/widgets_basic.h"
#include "platform/window.h"
#include "resources/resource_ids.h"
#include "scene/current_scene.h"
#include "settings/options.h"
#include "support/data_dir_test.h"
#include "support/scoped_env.h"

class DialogTest : public DataDirTest {
protected:
    void SetUp() override {
        DataDirTest::SetUp();
        ASSERT_GT(Fl::w(), 0) << "needs a display";
        const char* scenes[][3] = {{"Alpine", "Alpine Night", "Ann"},
                                   {"Birches", "Birch Wood", "Bo & Co"},
                                   {"Coast", "Frozen Coast", "Cy"}};
        for (auto& s : scenes)
            writeScene(s[0], std::string("<SCENE><Info Title=\"") + s[1] + "\" Author=\"" + s[2] +
                                 "\" Description=\"About " + s[1] + "\"/></SCENE>");
        tmp.write("bin/xdg-open", "#!/bin/sh\nprintf '%s\\n' \"$*\" >>\"" + tmp.file("opened.log") + "\"\n");
        chmod(tmp.file("bin/xdg-open").c_str(), 0755);
        path_.reset(new ScopedEnv("PATH", tmp.file("bin") + ":" + std::getenv("PATH")));
        g_options = Options();
    }
    void TearDown() override {
        close();
        path_.reset();
        DataDirTest::TearDown();
    }

    // Opens the dialog and lets it draw for a moment.
    void open() {
        dialog.reset(new CConfigure);
        ASSERT_TRUE(dialog->BeginModal());
        settle(200);
    }
    void close() {
        if (!dialog) return;
        dialog->FinishModal();
        dialog.reset();
    }
    // Runs the toolkit's loop (and with it our windows and timers) for ms.
    static void settle(int ms) {
        auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
        while (std::chrono::steady_clock::now() < end) Fl::wait(0.005);
    }

    template <class W>
    W* widget(dlg::CDialog* page, int id) {
        W* w = dynamic_cast<W*>(page->GetDlgItem(id));
        EXPECT_NE(w, nullptr) << "control " << id;
        return w;
    }
    CPage1* scenes() { return dialog->scenesPage(); }
    dlg::CheckListWidget* list() { return widget<dlg::CheckListWidget>(scenes(), res::IDC_SCENE_LIST); }
    std::string text(int id) { return widget<dlg::StaticWidget>(scenes(), id)->text(); }
    int indexOf(const char* folder) {
        for (int i = 0; i < currentScenario->count(); ++i)
            if (std::string(currentScenario->path(i)) == folder) return i;
        ADD_FAILURE() << folder << " is not listed";
        return 0;
    }
    void click(dlg::CDialog* page, int id) { widget<Fl_Widget>(page, id)->do_callback(); }

    RECT viewRect() {
        RECT r{};
        GetWindowRect(dialog->view().hwnd(), &r);
        return r;
    }
    RECT previewArea() {
        RECT r{};
        EXPECT_TRUE(scenes()->GetControlScreenRect(res::IDC_PREVIEW_AREA, &r));
        return r;
    }
    bool viewShown() { return IsWindowVisible(dialog->view().hwnd()) != 0; }

    // The addresses the stand-in browser was asked to open, one a line;
    // waits a little for the browser to start.
    std::string opened(size_t lines) {
        std::string log;
        for (int i = 0; i < 100; ++i) {
            log = readFileOrEmpty(tmp.file("opened.log"));
            size_t n = 0;
            for (char c : log) n += c == '\n';
            if (n >= lines) break;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return log;
    }

    std::unique_ptr<CConfigure> dialog;

private:
    std::unique_ptr<ScopedEnv> path_;
};

inline bool operator==(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
inline std::ostream& operator<<(std::ostream& o, const RECT& r) {
    return o << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
}
