#pragma once

#include "editor/mainwindow/main_frame.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <memory>

namespace kanalo::test {

// A main window over a settings file of its own in a temporary folder, as the editor builds it
// at start-up once the receiver is settled.
struct EditorWindow {
    void open(const QString& iniText = {}, ReceiverChoice receiver = {BoxType::Pella1Plus, 2}) {
        const QString ini = dir.filePath(QStringLiteral("Kanalo.ini"));
        QFile file(ini);
        file.open(QIODevice::WriteOnly);
        file.write(iniText.toUtf8());
        file.close();
        store = std::make_unique<QSettings>(ini, QSettings::IniFormat);
        EditorState state;
        state.settings = EditorSettings::read(*store);
        state.receiver = receiver;
        frame = std::make_unique<CMainFrame>(std::move(state), *store);
    }

    QTemporaryDir dir;
    std::unique_ptr<QSettings> store;
    std::unique_ptr<CMainFrame> frame;
};

} // namespace kanalo::test
