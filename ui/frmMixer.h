#pragma once
// The mixer parameters window: conversion loss and the two isolations, held
// only as the texts of its fields. Borderless; four lines draw its frame.

#include <array>

#include "display/LineCanvas.h"

class QLineEdit;

class frmMixer : public kestrel::display::LineCanvas {
    Q_OBJECT
public:
    frmMixer();

    QLineEdit* txtConversionLoss() const { return conversionLoss_; }
    QLineEdit* txtRFIsolation() const { return rfIsolation_; }
    QLineEdit* txtLOIsolation() const { return loIsolation_; }

    // `mnuMixer`: shows the one window, modeless, with what was typed so far,
    // in front. Escape hides it again.
    void showWindow();

    // Kept above `owner` (the main window), so that a click there cannot
    // bury it: the window system is told that it belongs to `owner`.
    void stayAbove(QWidget* owner) { owner_ = owner; }

    // Quick help of the three captions.
    void Label_Click(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* conversionLoss_ = nullptr;
    QLineEdit* rfIsolation_ = nullptr;
    QLineEdit* loIsolation_ = nullptr;
    std::array<QWidget*, 3> labels_{};
    QWidget* owner_ = nullptr;
};
