#pragma once
// The report engine's preview window: the laid-out pages and a toolbar with the commands
// the template allows (print, zoom, full screen, thumbnails, page navigator, close).
#include <QDialog>
#include <QList>
#include <QPrinter>

#include "gui/reports/Report.h"

class QLabel;
class QListWidget;
class QPrintPreviewWidget;
class QSpinBox;
class QToolBar;

class TfrmAnteprima : public QDialog {
    Q_OBJECT
public:
    TfrmAnteprima(const report::Modello& modello, const QList<report::Pagina>& pagine,
                  QWidget* genitore = nullptr);

private:
    void AggiungiZoom();
    void AggiungiMiniature();
    void AggiungiNavigatore();
    void btnStampaClick();
    void btnSchermoInteroClick(bool attivo);
    void AggiornaNavigatore();

    report::Modello modello_;
    QList<report::Pagina> pagine_;
    QPrinter stampante_;
    QToolBar* barAnteprima_ = nullptr;
    QPrintPreviewWidget* anteprima_ = nullptr;
    QListWidget* lstMiniature_ = nullptr;
    QSpinBox* spnPagina_ = nullptr;
};
