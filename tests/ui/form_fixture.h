#pragma once
// A main window started in a temporary program folder, with HOME and the
// XDG folders pointing into the same temporary tree, and message boxes
// recorded instead of shown.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <memory>
#include <string>
#include <vector>

#include "ui/main_form.h"
#include "ui/message_boxes.h"

namespace kurvo::test {

struct RecordedBoxes : MessageBoxes {
    std::vector<QString> information, errors, questions;
    bool answer = false;
    void Information(const QString& text) override { information.push_back(text); }
    void Error(const QString& text) override { errors.push_back(text); }
    bool Question(const QString& text) override {
        questions.push_back(text);
        return answer;
    }
};

class FormTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(tmp_.isValid());
        const QString home = tmp_.filePath("home");
        QDir().mkpath(home);
        qputenv("HOME", home.toUtf8());
        qputenv("XDG_DATA_HOME", (home + "/.local/share").toUtf8());
        qputenv("XDG_CONFIG_HOME", (home + "/.config").toUtf8());
        prog_ = tmp_.filePath("prog");
        QDir().mkpath(prog_);
    }

    std::unique_ptr<TMainForm> Start(int width = 900, int height = 640) {
        TMainForm::Options options;
        options.programFolder = prog_;
        options.messages = messages_;
        auto form = std::make_unique<TMainForm>(options);
        form->resize(width, height);
        form->show();
        QApplication::processEvents();
        return form;
    }

    QString Data(const QString& name) const { return prog_ + "/data/" + name; }

    QByteArray ReadAll(const QString& path) const {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void Write(const QString& path, const QByteArray& bytes) const {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }

    // Keys as the user presses them.
    static void Type(QWidget* target, const QString& text) {
        for (QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(target, &press);
        }
    }
    static void Press(QWidget* target, int key) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
        QApplication::sendEvent(target, &release);
    }

    QTemporaryDir tmp_;
    QString prog_;
    RecordedBoxes boxes_;
    MessageBoxes* messages_ = &boxes_;
};

}  // namespace kurvo::test
