#pragma once
// "Параметры шрифта": the text tool's window of the font settings. It lists the TrueType
// families of the system and of the program, the fixed text heights in millimetres, the
// colour (a right or double click on its panel opens the palette) and three style
// buttons. Every change goes into the program's text font at once, and so into the text
// being typed.

#include "tools/base/TechDialogBaseForm.h"

#include "gdi/Types.h"

#include <QFrame>
#include <QStringList>

#include <functional>

class QComboBox;
class QLabel;
class QToolButton;

// A panel that shows one colour and reports presses on it.
class TFontColorPanel : public QFrame {
    Q_OBJECT
  public:
    explicit TFontColorPanel(QWidget* parent);

    gdi::COLORREF Color() const { return m_color; }
    void SetColor(gdi::COLORREF color);

    // A press of any button; isDouble tells a double click.
    std::function<void(Qt::MouseButton button, bool isDouble)> OnMouseDown;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    gdi::COLORREF m_color = 0;
};

class TFontProperty : public TTechDialogBaseForm {
    Q_OBJECT
  public:
    explicit TFontProperty(QWidget* owner);

    // The TrueType families the text can be written in: the system's and the program's
    // own, sorted and each once, whatever the case of its name.
    static QStringList TrueTypeFamilies();

    void FontsComboChange();
    void HeightComboBoxChange();
    void ColorPanelMouseDown(Qt::MouseButton button, bool isDouble);
    // Any of the three style buttons, told apart by their tags.
    void UnderlineButtonClick(QToolButton* button);

    QLabel* FontLabel = nullptr;
    QComboBox* FontsCombo = nullptr;
    QLabel* HeightLabel = nullptr;
    QComboBox* HeightComboBox = nullptr;
    QLabel* Label1 = nullptr;
    TFontColorPanel* ColorPanel = nullptr;
    QToolButton* BoldButton = nullptr;
    QToolButton* ItalicButton = nullptr;
    QToolButton* UnderlineButton = nullptr;

  private:
    void CreateControls();
    QToolButton* CreateStyleButton(const char* name, int tag, const QString& hint, int x);
    void FillFamilies();
    // The controls show the program's font settings.
    void FormCreate();
    void ShowHeight();
};
