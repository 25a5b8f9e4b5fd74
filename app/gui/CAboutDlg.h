#pragma once

#include <QDialog>

// "About Tavrin": the program icon, the version and OK.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget *parent = nullptr);
};
