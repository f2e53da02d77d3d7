// A Prompter for tests: records every dialog the code under test opens and answers from a
// script. An unscripted question fails the test and answers no.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "ui/Prompter.h"

namespace tessary::uitest {

class ScriptedPrompter : public Prompter {
  public:
    enum class Kind { Message, Ask, MessageBox };
    struct Shown {
        Kind kind;
        std::u16string text;
        std::u16string caption;
        unsigned flags = 0;
    };

    ScriptedPrompter& answerAsk(bool yes) {
        asks_.push_back(yes);
        return *this;
    }
    ScriptedPrompter& answerMessageBox(int answer) {
        boxes_.push_back(answer);
        return *this;
    }

    void showMessage(const std::u16string& text) override {
        shown_.push_back({Kind::Message, text, {}, 0});
    }
    bool ask(const std::u16string& text) override {
        shown_.push_back({Kind::Ask, text, {}, 0});
        if (asks_.empty()) {
            ADD_FAILURE() << "unscripted question";
            return false;
        }
        const bool yes = asks_.front();
        asks_.pop_front();
        return yes;
    }
    int platformMessageBox(const std::u16string& text, const std::u16string& caption,
                           unsigned flags) override {
        shown_.push_back({Kind::MessageBox, text, caption, flags});
        if (boxes_.empty()) {
            ADD_FAILURE() << "unscripted message box";
            return prompt::kAnswerCancel;
        }
        const int answer = boxes_.front();
        boxes_.pop_front();
        return answer;
    }

    const std::vector<Shown>& shown() const { return shown_; }
    // The texts shown so far, in order, whatever the dialog.
    std::vector<std::u16string> texts() const {
        std::vector<std::u16string> out;
        for (const Shown& s : shown_) out.push_back(s.text);
        return out;
    }
    bool allAnswersUsed() const { return asks_.empty() && boxes_.empty(); }

  private:
    std::deque<bool> asks_;
    std::deque<int> boxes_;
    std::vector<Shown> shown_;
};

}  // namespace tessary::uitest
