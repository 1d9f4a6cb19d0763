#pragma once

#include <QMainWindow>

// The graph window: the session as a segment graph or a time graph.
class TForm4 : public QMainWindow
{
    Q_OBJECT
public:
    explicit TForm4(QWidget *parent = nullptr);
};
