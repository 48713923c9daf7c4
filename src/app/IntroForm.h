#pragma once
// The splash window shown for a moment at start: the program's name over a small
// drawing of the kind of sketch it makes.

#include <QWidget>

class TIntroForm : public QWidget {
    Q_OBJECT
  public:
    static constexpr int ImageWidth = 567;
    static constexpr int ImageHeight = 378;

    TIntroForm();

    // The picture the window shows.
    static QImage IntroImage();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage m_image;
};
