// The help viewer: shows the help file (an HTML page named TEVARDIN.HLP in the data folder)
// in a window of its own, as the platform's help viewer would.
#pragma once

#include <QTextBrowser>
#include <filesystem>

namespace tev::qt {

class HelpWindow : public QTextBrowser {
    Q_OBJECT

  public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the contents page of `file`; a missing or unreadable file is said so in the page.
    void open(const std::filesystem::path& file);
};

// The characters of a help file's bytes: UTF-8 when they are valid UTF-8, else code page 932
// (the encoding of every other file of the program), else Latin-1.
QString decode_help_bytes(const QByteArray& bytes);

}  // namespace tev::qt
