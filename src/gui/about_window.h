// frmAbout: the program's title and version, two credit lines, and two links
// (the maker's web page and a mail to the author) opened by the desktop.
#pragma once

#include <QUrl>
#include <QWidget>
#include <functional>

class QLabel;

namespace quillon::gui {

class AboutWindow : public QWidget {
 public:
  explicit AboutWindow(QWidget* parent = nullptr);

  // Replaces the desktop's opening of a link, e.g. in a test.
  void SetLinkOpener(std::function<void(const QUrl&)> opener) { open_ = std::move(opener); }

  static QUrl WebLink();
  static QUrl MailLink();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QLabel* items_[5];
  std::function<void(const QUrl&)> open_;
};

}  // namespace quillon::gui
