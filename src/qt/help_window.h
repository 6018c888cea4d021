// The help viewer: shows the help file (an HTML page named TEVARDIN.HLP in the data folder)
// in a window of its own, as the platform's help viewer would, at its contents or at one of its
// sections. Escape closes it.
#pragma once

#include <QString>
#include <QTextBrowser>
#include <filesystem>
#include <string>

namespace tev::qt {

class HelpWindow : public QTextBrowser {
    Q_OBJECT

  public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows `file` at its section `anchor` (<a name="...">), at its contents page when `anchor`
    // is empty; a missing or unreadable file is said so in the page.
    void open(const std::filesystem::path& file, const std::string& anchor);

    // The section last asked for; empty for the contents page.
    const QString& section() const { return section_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void load(const std::filesystem::path& file);
    void take_modality_of_the_moment();

    QString section_;
};

// The characters of a help file's bytes: UTF-8 when they are valid UTF-8, else code page 932
// (the encoding of every other file of the program), else Latin-1.
QString decode_help_bytes(const QByteArray& bytes);

// `html` with each run of full-width blanks kept as typed: the page's layout would fold them into
// one plain blank, as it does ASCII blanks, and the menu captions the help quotes have them.
QString keep_full_width_blanks(QString html);

}  // namespace tev::qt
