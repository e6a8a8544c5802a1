#pragma once
// The mixer parameters window: conversion loss and the two isolations, held
// only as the texts of its fields.

#include <QWidget>

class QLineEdit;

class frmMixer : public QWidget {
    Q_OBJECT
public:
    frmMixer();

    QLineEdit* txtConversionLoss() const { return conversionLoss_; }
    QLineEdit* txtRFIsolation() const { return rfIsolation_; }
    QLineEdit* txtLOIsolation() const { return loIsolation_; }

private:
    QLineEdit* conversionLoss_ = nullptr;
    QLineEdit* rfIsolation_ = nullptr;
    QLineEdit* loIsolation_ = nullptr;
};
