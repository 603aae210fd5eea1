// One page of the configurator window. The window asks the pages, never their widgets.
#pragma once

#include <QCoreApplication>
#include <QWidget>

#include <string>

namespace cfg {

// The title of the window and of its message boxes, in the owner's language.
inline std::string Caption() { return QCoreApplication::translate("cfg::Page", "Configurateur Orvanel").toStdString(); }

// A control's object name, "id<n>": the tooltips and the tests find it by that name.
template <class W>
W* Named(W* widget, int id) {
  widget->setObjectName(QStringLiteral("id%1").arg(id));
  return widget;
}

class Page : public QWidget {
  Q_OBJECT

 public:
  using QWidget::QWidget;

  virtual bool IsModified() const = 0;
  // "Enregistrer": saves to the page's file, asking for one when it has none. False when
  // the save failed or the file dialog was cancelled (the edits stay).
  virtual bool Save() = 0;
  // "Enregistrer sous".
  virtual void SaveAs() = 0;
  // The save question's text.
  virtual std::string SaveQuestion() const {
    return QCoreApplication::translate("cfg::Page", "Enregistrer les modifications ?").toStdString();
  }
  // Whether leaving the page by its tab asks the save question.
  virtual bool AsksWhenLeft() const = 0;
  // The page has just been shown (its tab selected).
  virtual void Shown() {}
  // "Importer" commands of the layout page's menu (command id).
  virtual void Import(int /*commandId*/) {}
};

}  // namespace cfg
