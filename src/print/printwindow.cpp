#include "print/printwindow.h"

#include "platform/sites.h"
#include "print/feedpicture.h"
#include "store/appstate.h"
#include "store/storeerror.h"

#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const char* const kInstructions =
    "Inserte el papel oficial en la impresora de la forma indicada en la imagen. Tenga en "
    "cuenta que tendrá que modificar los valores X e Y, según modelo de impresora. "
    "X=Distancia horizontal al centro de la casilla Nº 1 - margen X por defecto de la "
    "impresora. Y= Distancia vertical al centro de la casilla Nº1 - margen Y por defecto de tu "
    "impresora.";
const char* const kOfficialTip =
    "Ajuste la X yla Y para que las \"x\" coincidan en las casillas. También depende del papel "
    "oficial ya que aveces estan cortados irregularmente.";
const char* const kPlainTip =
    "Imprime en papel normal una participación compatible con el sistema oficial!";

QLabel* valueLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    label->setStyleSheet(QStringLiteral("color: rgb(0, 0, 160);"));
    return label;
}

} // namespace

PrintWindow::PrintWindow(AppState& state, Platform& platform, PrinterChooser& printers,
                         const PenaRecord& pena, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), platform_(platform), printers_(printers),
      pena_(pena) {
    setWindowTitle(QStringLiteral("Imprimir Boletos"));
    buildWidgets();

    const int mode = pena_.betMode;
    name_->setText(pena_.nameText());
    bets_->setText(QString::number(isMultipleMode(mode) ? 1 : mode));
    playslips_->setText(QString::number(playslipsNeeded(mode)));
    days_->setText(pena_.dayFilterText());
    // A missing or damaged record leaves both corrections at 0.
    try {
        corrections_ = Corrections(state_.files.readSettings());
    } catch (const std::exception&) {
    }
    showCorrections();
}

void PrintWindow::buildWidgets() {
    auto* layout = new QVBoxLayout(this);

    auto* title = new QLabel(QStringLiteral("IMPRESIÓN DE LOS NÚMEROS DE LA PEÑA:"), this);
    QFont titleFont = title->font();
    titleFont.setBold(true);
    title->setFont(titleFont);
    name_ = valueLabel(QString(), this);
    auto* head = new QHBoxLayout;
    head->addWidget(title);
    head->addWidget(name_, 1);
    layout->addLayout(head);

    auto* facts = new QGridLayout;
    bets_ = valueLabel(QString(), this);
    playslips_ = valueLabel(QString(), this);
    days_ = valueLabel(QString(), this);
    facts->addWidget(new QLabel(QStringLiteral("-Total apuestas:"), this), 0, 0);
    facts->addWidget(bets_, 0, 1);
    facts->addWidget(new QLabel(QStringLiteral("-Nº de boletos oficiales que necesita:"), this), 1,
                     0);
    facts->addWidget(playslips_, 1, 1);
    facts->addWidget(
        new QLabel(QStringLiteral("-Asegúrese que el papel sea para jugar los:"), this), 2, 0);
    facts->addWidget(days_, 2, 1);
    facts->setColumnStretch(2, 1);
    layout->addLayout(facts);

    auto* margins = new QGroupBox(QStringLiteral("Corrección margen impresora:"), this);
    auto* boxes = new QHBoxLayout(margins);
    boxX_ = new QLineEdit(margins);
    boxY_ = new QLineEdit(margins);
    for (auto [axis, edit] : {std::pair{Axis::X, boxX_}, std::pair{Axis::Y, boxY_}}) {
        edit->setMaximumWidth(70);
        edit->installEventFilter(this);
        connect(edit, &QLineEdit::textEdited, this,
                [this, axis](const QString& text) { onEdited(axis, text); });
        auto* caption =
            new QLabel(axis == Axis::X ? QStringLiteral("&X") : QStringLiteral("&Y"), margins);
        caption->setBuddy(edit);
        boxes->addWidget(caption);
        boxes->addWidget(edit);
        boxes->addWidget(new QLabel(QStringLiteral("mm."), margins));
        boxes->addSpacing(12);
    }
    auto* onlyOfficial = new QLabel(QStringLiteral("Sólo en papel oficial"), margins);
    onlyOfficial->setStyleSheet(QStringLiteral("color: rgb(160, 0, 0);"));
    boxes->addWidget(onlyOfficial);
    boxes->addStretch(1);
    layout->addWidget(margins);

    auto* help = new QHBoxLayout;
    auto* textColumn = new QVBoxLayout;
    auto* instructionsTitle = new QLabel(QStringLiteral("Instrucciones para papel oficial:"), this);
    instructionsTitle->setFont(titleFont);
    auto* instructions = new QLabel(QString::fromUtf8(kInstructions), this);
    instructions->setWordWrap(true);
    instructions->setMinimumWidth(300);
    textColumn->addWidget(instructionsTitle);
    textColumn->addWidget(instructions);
    textColumn->addStretch(1);
    help->addLayout(textColumn, 1);
    auto* pictureColumn = new QVBoxLayout;
    auto* picture = new QLabel(this);
    picture->setPixmap(drawFeedPicture());
    pictureColumn->addWidget(picture);
    pictureColumn->addWidget(new QLabel(QStringLiteral("Entrada impresora"), this), 0,
                             Qt::AlignHCenter);
    help->addLayout(pictureColumn);
    layout->addLayout(help);

    official_ = new QPushButton(QStringLiteral("Imprimir en papel &oficial"), this);
    official_->setToolTip(QString::fromUtf8(kOfficialTip));
    plain_ = new QPushButton(QStringLiteral("Imprimir en papel &normal"), this);
    plain_->setToolTip(QString::fromUtf8(kPlainTip));
    connect(official_, &QPushButton::clicked, this, [this] { print(PrintMode::Official); });
    connect(plain_, &QPushButton::clicked, this, [this] { print(PrintMode::Plain); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(official_);
    buttons->addWidget(plain_);
    layout->addLayout(buttons);
}

void PrintWindow::showCorrections() {
    boxX_->setText(formatCorrection(corrections_.x(), locale_));
    boxY_->setText(formatCorrection(corrections_.y(), locale_));
}

void PrintWindow::onEdited(Axis axis, const QString& text) {
    if (corrections_.textChanged(axis, text, locale_)) showCorrections();
    saveCorrections();
}

void PrintWindow::saveCorrections() {
    try {
        state_.files.writeSettings(corrections_.record());
    } catch (const StoreError&) {
        // Said once; the corrections still apply to this window's jobs.
        if (saveFailureShown_) return;
        saveFailureShown_ = true;
        platform_.prompter.message(kSettingsNotSavedText, kPrintTitle, MessageIcon::Exclamation);
    }
}

bool PrintWindow::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == boxX_ || watched == boxY_) && event->type() == QEvent::FocusOut &&
        !reportingEmpty_) {
        // Only moving to another control of the program counts as leaving the
        // box, not switching to another window.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (static_cast<QLineEdit*>(watched)->text().isEmpty() &&
            reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            reportingEmpty_ = true;
            platform_.prompter.message(kEmptyCorrectionText, kEmptyCorrectionTitle,
                                       MessageIcon::Critical);
            reportingEmpty_ = false;
        }
    }
    return QWidget::eventFilter(watched, event);
}

PrintResult PrintWindow::print(PrintMode mode) {
    PrintJob job;
    job.pena = pena_;
    job.mode = mode;
    job.correctionX = corrections_.x();
    job.correctionY = corrections_.y();
    job.makerSite = makerSite();
    return printPena(job, printers_, platform_.prompter);
}
