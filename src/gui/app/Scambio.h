#pragma once
// What the commands that write a file for other programs, or read one of theirs, do around
// the work itself. An export asks first, writes the file whole, shows the failure message
// when it could not, and offers to open the file it wrote. An import asks for the file with
// the open-file dialog and reads it whole.
#include <QString>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

class QWidget;

struct TestiEsportazione {
    QString domanda;  // asked before writing; No writes nothing
    QString apri;     // asked once the file is written; Yes opens it
    QString fallita;  // the failure message
};

// `scrivi` writes `file` and throws on failure, leaving an old file as it was.
void EsportaFile(QWidget* genitore, const TestiEsportazione& testi,
                 const std::filesystem::path& file, const std::function<void()>& scrivi);

// The bytes of the file the user picks; nothing when the dialog is cancelled or when the
// file cannot be read (then after an error message).
std::optional<std::string> LeggiFileScelto(QWidget* genitore, const QString& titolo,
                                           const QString& filtro);
