#pragma once

#include <QWidget>
#include <array>

class QLabel;
class QTimer;
struct StatusView;

// The seven status labels of the "General" tab and the weeks-missing blink.
class StatusPanel : public QWidget {
    Q_OBJECT
public:
    explicit StatusPanel(QWidget* parent = nullptr);
    void apply(const StatusView& status);
    void setPenaCount(const QString& count);
    QLabel* label(int index) const { return labels_[index]; }
    bool isBlinking() const;
    // Every 500 ms: shows or hides the warning.
    void blinkTick();

private:
    std::array<QLabel*, 7> labels_{};
    QTimer* blink_;
    bool warningShown_ = true;
};
