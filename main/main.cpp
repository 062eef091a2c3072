#include "main/main.h"

TfrmMain::TfrmMain(QWidget *parent) : QWidget(parent) {}
