#include <gtest/gtest.h>
#include <cstdlib>
#include "GuiTest.h"
#include "gui_testing.h"

// The test stands in for the event loop: what a handler said is shown by the
// time the test looks.
std::vector<std::string>& Messages() {
    gui::ShowQueuedMessages();
    static std::vector<std::string> m;
    return m;
}

bool& QuestionAnswer() {
    static bool answer = false;
    return answer;
}

gui::SaveChoice& SaveAnswer() {
    static gui::SaveChoice answer = gui::SaveChoice::Discard;
    return answer;
}

std::vector<std::string>& SaveQuestions() {
    static std::vector<std::string> q;
    return q;
}

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    if (!getenv("XDG_RUNTIME_DIR")) {  // spares the toolkit's warning about a missing one
        static char runtime[] = "/tmp/korvela-runtime-XXXXXX";
        if (mkdtemp(runtime)) setenv("XDG_RUNTIME_DIR", runtime, 0);
    }
    ::testing::InitGoogleTest(&argc, argv);
    if (!gui::InitApplication(argc, argv)) return 1;
    gui::SetScreenSize(1024, 768);
    gui::SetMessageHook([](const std::string& m) { Messages().push_back(m); });
    gui::SetQuestionHook([](const std::string& q) {
        Messages().push_back(q);
        return QuestionAnswer();
    });
    gui::SetSaveQuestionHook([](const std::string& q) {
        SaveQuestions().push_back(q);
        return SaveAnswer();
    });
    return RUN_ALL_TESTS();
}
