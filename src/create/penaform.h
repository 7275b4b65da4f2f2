#pragma once

#include "create/numbergrid.h"
#include "platform/clock.h"
#include "platform/prompter.h"
#include "platform/random.h"
#include "store/appstate.h"
#include "store/dayfilter.h"
#include "store/records.h"

#include <QList>
#include <QString>
#include <optional>

// A message the window shows through the Prompter.
struct FormMessage {
    QString text;
    QString title;
    MessageIcon icon;
};

// A bold, coloured stretch of the bet list.
struct BetListSpan {
    enum class Colour { Red, Green };
    int start;
    int length;
    Colour colour;
    bool operator==(const BetListSpan&) const = default;
};

enum class SaveResult {
    Saved,
    NoBets,         // nothing to save; the button is disabled anyway
    PenaFromFuture, // the first stored peña was created after today
    DrawFromFuture, // the newest stored draw is after today
    NameMissing,
    PenaLimit,    // 999 peñas stored already
    AccessDenied, // the platform refused to write apuestas.dat
    FileFull,     // apuestas.dat would pass its 32 766 records
    WriteFailed,  // any other write failure (disk full, ...)
    Refused       // apuestas.dat was not opened for writing at start-up
};

// The rules of the "Crear peña nueva..." form and its number grid: the
// name, the day choice, the bet being entered, the complete bets of the
// pending peña, the bet list text and the three buttons' enabled states.
class PenaForm {
public:
    PenaForm(AppState& state, const Clock& clock, RandomSource& random);

    // First opening for a bet mode (0 = simple bets, else a multiple code).
    void open(int newPenaMode);

    int newPenaMode() const { return mode_; }
    int numbersPerBet() const { return n_; }
    int starsPerBet() const { return s_; }
    int betLimit() const { return betLimit_; }
    int completeBets() const { return completeBets_; }
    bool nameOnlyMode() const { return nameOnlyMode_; }
    const PenaRecord& pendingPena() const { return pending_; }
    const NumberGrid& grid() const { return grid_; }
    NumberGrid::Phase phase() const { return grid_.phase(); }

    bool grabarEnabled() const { return grabarEnabled_; }
    bool borrarEnabled() const { return borrarEnabled_; }
    bool aleatorioEnabled() const { return aleatorioEnabled_; }

    QString instruction() const;
    QString starPrompt() const;
    QString betNumberText() const { return QString::number(completeBets_ + 1); }
    const QString& betList() const { return betList_; }
    QList<BetListSpan> betListSpans() const;

    // The name box. Typed characters go in upper case; neither typed nor
    // pasted text may hold a character the peña file cannot store.
    static QString typedText(const QString& text);
    static QString pastedText(const QString& text);
    // After every change of the box; the box then shows name().
    std::optional<FormMessage> setName(const QString& text);
    const QString& name() const { return name_; }

    DayFilter day() const { return day_; }
    void setDay(DayFilter day) { day_ = day; }

    // A click on grid cell 1..62.
    std::optional<FormMessage> clickCell(int cell);
    // One 100 ms step of the transition; true while it still runs.
    bool transitionTick();
    void borrar();
    // "Aleatorio".
    std::optional<FormMessage> randomFill();
    // "Grabar".
    SaveResult saveNewPena();
    // `refusal` is the text for Refused (the file's own reason).
    static std::optional<FormMessage> saveMessage(SaveResult result, const QString& refusal = {});
    const QString& refusal() const { return refusal_; }

private:
    QString refusal_;
    std::optional<FormMessage> limitMessage() const;
    void markNumber(int cell);
    void markStar(int cell);
    void completeBet();
    void reset();

    AppState& state_;
    const Clock& clock_;
    RandomSource& random_;

    int mode_ = 0;
    int n_ = 5;
    int s_ = 2;
    int betLimit_ = kMaxBets;
    int completeBets_ = 0;
    bool nameOnlyMode_ = false;
    PenaRecord pending_;
    NumberGrid grid_;
    QString betList_;
    bool firstLine_ = false;
    QString name_;
    DayFilter day_ = DayFilter::Both;
    bool grabarEnabled_ = false;
    bool borrarEnabled_ = false;
    bool aleatorioEnabled_ = true;
};

// The program's own texts of the form and the grid.
namespace creationtext {
inline const QString kError = QStringLiteral("Error");
inline const QString kNameTooLong =
    QStringLiteral("¡¡¡El nombre no puede tener más de 20 letras!!!");
inline const QString kNameReplacement = QStringLiteral("AYYYYYY!!");
inline const QString kNameOnly =
    QStringLiteral("Sólo tienes que poner un nombre. No puedes añadir más números.");
inline const QString kSimpleLimit = QStringLiteral("Máximo de apuestas sencillas por peña : 24.");
inline const QString kMultipleLimit = QStringLiteral(
    "¡¡ Oficialmente sólo se admite una combinación por boleto cuando juegas a múltiples !! ");
inline const QString kPenaFromFuture =
    QStringLiteral("¡¡¡No puede crear una peña con fecha anterior a una ya existente!!!. Borre "
                   "dicha peña antes de crear ésta.");
inline const QString kDrawFromFuture = QStringLiteral(
    "Hay sorteos con fecha posterior a la de la peña que intenta crear. Revise la fecha de su "
    "ordenador. ¡No se puede crear una peña con fecha anterior a la del último sorteo!");
inline const QString kNameMissing = QStringLiteral("¡¡¡No ha escrito el nombre de la peña!!!");
inline const QString kPenaLimit =
    QStringLiteral("No se puede crear la peña: ya hay 999 peñas registradas, el máximo que admite "
                   "el programa. Elimine alguna peña antes de crear otra.");
inline const QString kWriteFailed =
    QStringLiteral("No se ha podido grabar la peña en el archivo apuestas.dat (disco lleno o sin "
                   "permiso de escritura). La peña no se ha guardado.");
} // namespace creationtext
