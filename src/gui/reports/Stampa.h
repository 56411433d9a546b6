#pragma once
// The three outputs of a report: the printer (after the print dialog), the modal preview
// window and a PDF file.
#include <QList>
#include <QString>

#include "gui/reports/Report.h"

class QPagedPaintDevice;
class QWidget;

namespace report {

struct ImpostazioniPDF {
    QString nomeFile;  // full path; an existing file is replaced without asking
    QString titolo;
    QString creatore;
};

// Lays the report out and prints it after the print dialog; a cancelled dialog prints
// nothing.
void StampaReport(const Modello& modello, QWidget* genitore = nullptr);
// Lays the report out and shows it in the modal preview window; returns when it closes.
void MostraAnteprima(const Modello& modello, QWidget* genitore = nullptr);
// Lays the report out and writes it as a PDF file, with no dialog. A file that cannot be
// written is reported to the user and gives false.
bool EsportaPDF(const Modello& modello, const ImpostazioniPDF& impostazioni,
                QWidget* genitore = nullptr);

// What the three share: the sheet of the template on a device, laid-out pages painted
// on it, and printing pages already laid out (the preview prints what it shows).
void ImpostaPagina(QPagedPaintDevice& dispositivo, const Modello& modello);
bool DipingiPagine(QPagedPaintDevice& dispositivo, const Modello& modello,
                   const QList<Pagina>& pagine, const QList<int>& scelte);
void StampaPagine(const Modello& modello, const QList<Pagina>& pagine, QWidget* genitore);

}  // namespace report
