#pragma once
// Records what the list commands asked the window to do, and a progress
// window that records its texts.
#include <QString>
#include <QStringList>

#include "engine/ProgressWindow.h"
#include "library/ListEditorView.h"

class FakeListEditorView final : public ListEditorView {
 public:
  void ShowListRows(ListKind kind) override { calls.append(Name("rows", kind)); }
  void ShowListSelection(ListKind kind) override { calls.append(Name("selection", kind)); }
  void RefreshListHeader(ListKind kind) override { calls.append(Name("header", kind)); }
  void RefreshListButtons() override { calls.append("buttons"); }
  bool ShowListTab(ListKind kind) override {
    calls.append(Name("tab", kind));
    return mayFocus;
  }
  void OpenOptionsPanel() override { calls.append("panel"); }
  void RefreshPreview() override { calls.append("preview"); }
  void OpenInFileManager(const QString& folder) override { opened.append(folder); }

  static QString Name(const char* what, ListKind kind) {
    return QString::fromLatin1(what) + (kind == ListKind::Folders ? ":dir" : ":bgm");
  }

  QStringList calls;
  QStringList opened;
  bool mayFocus = true;
};

class FakeProgressWindow final : public ProgressWindow {
 public:
  void Open(const QString& title, const QString& text, bool withBar) override {
    steps << title << text << (withBar ? "bar" : "no bar");
    showing = true;
  }
  void SetText(const QString& text) override { steps << text; }
  void Close() override {
    steps << "closed";
    showing = false;
  }
  bool IsShowing() const override { return showing; }

  QStringList steps;
  bool showing = false;
};
