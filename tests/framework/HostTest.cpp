#include <gtest/gtest.h>

#include "framework/Dialog.h"
#include "framework/QtHost.h"
#include "framework/ScriptedHost.h"

namespace cadmira::framework {
namespace {

TEST(ScriptedHostTest, AnswersInOrderAndRecordsEveryCall) {
  ScriptedHost host;
  EXPECT_EQ(&CurrentHost(), &host);
  host.AnswerMessageBox(MessageAnswer::Yes);
  host.AnswerMessageBox(MessageAnswer::No);
  host.AnswerFileDialog(QStringLiteral("/tmp/profstore.xml"));
  host.AnswerRestart(false);
  EXPECT_EQ(CurrentHost().MessageBox(nullptr, QStringLiteral("a"), QStringLiteral("b"), MessageIcon::Question,
                                     MessageButtons::YesNo),
            MessageAnswer::Yes);
  EXPECT_EQ(
      CurrentHost().MessageBox(nullptr, QStringLiteral("c"), QString(), MessageIcon::Question, MessageButtons::YesNo),
      MessageAnswer::No);
  FileDialogRequest request;
  request.mode = FileDialogRequest::Mode::Save;
  request.defaultExtension = QStringLiteral("xml");
  EXPECT_EQ(CurrentHost().FileDialog(nullptr, request), QStringLiteral("/tmp/profstore.xml"));
  EXPECT_FALSE(CurrentHost().Restart());
  CurrentHost().Exit(3);
  EXPECT_TRUE(host.ScriptUsedUp());
  EXPECT_TRUE(CurrentHost().Restart());
  EXPECT_EQ(host.UnansweredCount(), 0);
  ASSERT_EQ(host.Calls().size(), 6u);
  EXPECT_EQ(host.Calls()[0].text, QStringLiteral("a"));
  EXPECT_EQ(host.Calls()[0].caption, QStringLiteral("b"));
  EXPECT_EQ(host.Calls()[2].request.defaultExtension, QStringLiteral("xml"));
  EXPECT_EQ(host.Calls()[3].kind, HostCall::Kind::Restart);
  EXPECT_EQ(host.Calls()[4].exitCode, 3);
  EXPECT_EQ(host.MessageBoxes().size(), 2u);
}

TEST(ScriptedHostTest, AnUnscriptedCallGetsTheAnswerOfClosingTheWindow) {
  ScriptedHost host;
  const std::pair<MessageButtons, MessageAnswer> cases[] = {{MessageButtons::Ok, MessageAnswer::Ok},
                                                            {MessageButtons::YesNo, MessageAnswer::No},
                                                            {MessageButtons::OkCancel, MessageAnswer::Cancel},
                                                            {MessageButtons::YesNoCancel, MessageAnswer::Cancel},
                                                            {MessageButtons::SaveDiscardCancel, MessageAnswer::Cancel}};
  for (const auto& [buttons, answer] : cases) {
    EXPECT_EQ(host.MessageBox(nullptr, {}, {}, MessageIcon::None, buttons), answer);
  }
  EXPECT_EQ(host.FileDialog(nullptr, {}), std::nullopt);
  EXPECT_EQ(host.UnansweredCount(), 6);
  EXPECT_EQ(host.Problems().size(), 6);
  host.Clear();
}

TEST(ScriptedHostTest, UnexpectedCallsMismatchedBoxesAndUnusedAnswersReachTheFailureHandler) {
  QStringList reported;
  const ScriptedHost::FailureHandler previous =
      ScriptedHost::SetFailureHandler([&](const QString& problem) { reported << problem; });
  {
    ScriptedHost host;
    host.ExpectMessageBox(QStringLiteral("Save Succeed"), QStringLiteral("Notice"), MessageIcon::Information,
                          MessageButtons::Ok, MessageAnswer::Ok);
    host.ExpectMessageBox(QStringLiteral("Overwrite?"), QString(), MessageIcon::Question, MessageButtons::YesNo,
                          MessageAnswer::Yes);
    host.AnswerFileDialog(QStringLiteral("/tmp/unused.xml"));
    host.AnswerModal(kIdOk);
    EXPECT_EQ(host.MessageBox(nullptr, QStringLiteral("Save Succeed"), QStringLiteral("Notice"),
                              MessageIcon::Information, MessageButtons::Ok),
              MessageAnswer::Ok);
    EXPECT_EQ(
        host.MessageBox(nullptr, QStringLiteral("Overwrite?"), QString(), MessageIcon::Warning, MessageButtons::YesNo),
        MessageAnswer::Yes);
    host.MessageBox(nullptr, QStringLiteral("Surprise"), QString(), MessageIcon::Error, MessageButtons::Ok);
    EXPECT_EQ(host.Problems().size(), 4);
  }
  ScriptedHost::SetFailureHandler(previous);
  ASSERT_EQ(reported.size(), 4);
  EXPECT_TRUE(reported[0].startsWith(QStringLiteral("expected message box \"Overwrite?\"")));
  EXPECT_TRUE(reported[1].startsWith(QStringLiteral("unexpected message box \"Surprise\"")));
  EXPECT_EQ(reported[2], QStringLiteral("1 scripted file dialog answer(s) never used"));
  EXPECT_EQ(reported[3], QStringLiteral("1 scripted modal dialog answer(s) never used"));
}

TEST(ScriptedHostTest, AFullyUsedScriptReportsNothing) {
  QStringList reported;
  const ScriptedHost::FailureHandler previous =
      ScriptedHost::SetFailureHandler([&](const QString& problem) { reported << problem; });
  {
    ScriptedHost host;
    host.AnswerMessageBox(MessageAnswer::No);
    host.MessageBox(nullptr, QStringLiteral("Replace?"), QString(), MessageIcon::Question, MessageButtons::YesNo);
  }
  ScriptedHost::SetFailureHandler(previous);
  EXPECT_TRUE(reported.isEmpty());
}

TEST(ScriptedHostTest, TheScopeRestoresTheHostBefore) {
  Host* before = &CurrentHost();
  {
    ScriptedHost outer;
    {
      ScriptedHost inner;
      EXPECT_EQ(&CurrentHost(), &inner);
    }
    EXPECT_EQ(&CurrentHost(), &outer);
  }
  EXPECT_EQ(&CurrentHost(), before);
}

TEST(FileFilterTest, PlatformFiltersBecomeQtNameFilters) {
  struct Case {
    const char* filter;
    QStringList expected;
  };
  const Case cases[] = {
      {"XML (*.xml)|*.xml||", {QStringLiteral("XML (*.xml)")}},
      {"XML files|*.xml||", {QStringLiteral("XML files (*.xml)")}},
      {"Plugins (*.zpi)|*.zpi|All files|*.*||", {QStringLiteral("Plugins (*.zpi)"), QStringLiteral("All files (*.*)")}},
      {"Documents|*.xml;*.txt||", {QStringLiteral("Documents (*.xml *.txt)")}},
      {"", {}},
      {"Broken|", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(ConvertFileFilter(QString::fromLatin1(c.filter)), c.expected) << c.filter;
}

}  // namespace
}  // namespace cadmira::framework
