// The marquee's operations the main window calls: the clipboard, fragment files,
// deleting and the menu's rotations.
#include "tools/base/KeysSuspension.h"
#include "tools/transform/Marquee.h"

#include "tools/base/CursorIds.h"
#include "tools/base/ToolHost.h"
#include "tools/draw/CentreMark.h"
#include "tools/transform/AngleForm.h"
#include "tools/transform/FileDialogSetups.h"
#include "tools/transform/FragmentClipboard.h"

#include "document/Folders.h"
#include "document/SketchFiles.h"
#include "document/TechDocument.h"

#include "gdi/Brush.h"

#include <cmath>

namespace {

QString fromPath(const std::string& path) {
    return QString::fromStdString(path);
}

// The user's choice in a file dialog of the tool; false when cancelled.
bool chooseFile(TTechFilesDialog& dialog) {
    // The tool's keys rest while the dialog is open, however it ends.
    const TKeysSuspension suspended;
    return dialog.Execute(ToolHost().MainWindow());
}

} // namespace

bool TMarquee::ToolCommand(int tag) {
    switch (tag) {
    case CutFragmentCommand:
        CutFragment();
        return true;
    case CopyFragmentCommand:
        CopyFragment();
        return true;
    case PasteFragmentCommand:
        PasteFragment();
        return true;
    case DeleteFragmentCommand:
        DeleteFragment();
        return true;
    case LoadFragmentCommand:
        LoadFragment();
        return true;
    case SaveFragmentCommand:
        SaveFragment();
        return true;
    default:
        if (tag < RotateFragmentTag(RotateByAngle) || tag > RotateFragmentTag(RotateToVertical)) return false;
        RotateFragment(tag - RotateFragmentCommand);
        return true;
    }
}

bool TMarquee::PasteFragment() {
    const gdi::BitmapPtr bitmap = ClipboardSketchBitmap();
    if (!bitmap) return false;
    FloatBitmap(bitmap);
    return true;
}

void TMarquee::FloatBitmap(const gdi::BitmapPtr& bitmap) {
    Restart();
    const gdi::Rect whole = bitmap->bounds();
    gdi::DeviceContext dc;
    dc.selectBitmap(bitmap);
    FFragment.Take(dc, whole);
    // The fragment's top-left corner at the top-left of the part of the sketch in view.
    TToolHost& host = ToolHost();
    const int zoom = host.Zoom() > 0 ? host.Zoom() : 1;
    const QPoint scroll = host.ScrollOffset();
    FFragment.MoveBy(float(scroll.x() / zoom), float(scroll.y() / zoom));
    SetStage(StageFragment, StepFloating);
    UpdateCursor(CurPoint);
    Repaint();
}

void TMarquee::LoadFragment() {
    TTechOpenDialog dialog;
    ConfigureFragmentLoadDialog(dialog, fromPath(SketchesDir));
    if (!chooseFile(dialog)) return;
    const gdi::BitmapPtr bitmap = LoadSketchImage(dialog.FileName.toStdString());
    if (bitmap) FloatBitmap(bitmap);
}

void TMarquee::SaveFragment() {
    const gdi::BitmapPtr& picture = FFragment.Picture();
    if (!picture) return;
    TTechSaveDialog dialog;
    ConfigureFragmentSaveDialog(dialog, fromPath(SketchesDir));
    if (chooseFile(dialog)) SaveSketchImage(picture, dialog.FileName.toStdString());
}

void TMarquee::CopyFragment() {
    if (HoldsFragment()) PutOnClipboard(FFragment.Picture());
}

void TMarquee::CutFragment() {
    CopyFragment();
    DeleteFragment();
}

void TMarquee::DeleteFragment() {
    if (!HoldsFragment()) return;
    RecordUndo();
    if (DocDC) DocDC->fillRegion(FFragment.Outline(), gdi::stockWhiteBrush());
    Restart();
    Repaint();
}

void TMarquee::RotateFragment(int kind) {
    // Without a fragment held a turn would bring back the dropped one.
    if (!HoldsFragment()) return;
    if (kind == RotateByAngle) {
        float angle = 0;
        if (!AskAngle(angle)) return;
        FFragment.TurnBy(std::cos(angle), std::sin(angle));
        Repaint();
    } else if (kind == RotateToHorizontal || kind == RotateToVertical) {
        FLines->Mode = kind == RotateToHorizontal ? TRotateLines::Horizontal : TRotateLines::Vertical;
        SetStage(StageLine, StepFirstPoint);
        // The picker draws its own marks.
        SetCursorId(NoCursor);
        Repaint();
    }
}
