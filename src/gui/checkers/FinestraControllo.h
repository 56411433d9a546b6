#pragma once
// What the four identifier checkers share: one field, "Controlla" and "Chiudi". The rule
// and its messages come from core; the window shows the outcome and closes or stays open
// as the outcome says.
#include <QLineEdit>
#include <QPushButton>
#include <memory>
#include <string_view>

#include "core/checkers/EsitoControllo.h"
#include "gui/app/Finestre.h"

class FinestraControllo : public Dialogo {
    Q_OBJECT
public:
    QPushButton* btnControlla;
    QPushButton* btnChiudi;

    void btnControllaClick();
    void btnChiudiClick();

protected:
    using Verifica = controlli::EsitoControllo (*)(std::string_view campo);
    // How the field filters what is typed.
    struct Filtri {
        bool maiuscole = false;   // trimmed capitals after every change
        bool alRilascio = false;  // ... and after every key release
        bool cifre = false;       // only digits can be typed
    };
    FinestraControllo(QWidget* chiamante, const char* nome, const char* titolo,
                      const char* nomeCampo, int lunghezzaMassima, const char* invito,
                      Filtri filtri, Verifica verifica);

    QLineEdit* Campo() const { return campo_; }

    // A new window owned by the caller, the caller's text (trimmed) in the field, shown
    // modally and destroyed when it closes.
    template <class Finestra>
    static void ApriCon(QWidget* chiamante, const QString& testo) {
        auto finestra = std::make_unique<Finestra>(chiamante);
        finestra->Consegna(testo);
        MostraPerUso(std::move(finestra));
    }
    // Puts the caller's text, trimmed, into the field.
    void Consegna(const QString& testo);
    void FormShow() override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void Normalizza();

    QLineEdit* campo_;
    Filtri filtri_;
    Verifica verifica_;
};
