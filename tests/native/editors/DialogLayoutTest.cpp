// The two parameter dialogs as laid out: parts, parents, places and sizes,
// and the Tab order the table gives (top to bottom within the form).
#include <gtest/gtest.h>

#include "editors/TFormDATA.h"
#include "editors/TFormFree.h"

namespace orbidate {
namespace {

struct Part {
  const char* name;
  const char* parent;  // "" for the form
  int left, top, width, height;
};

void ExpectParts(const forms::Form& form, const std::vector<Part>& parts) {
  for (const Part& p : parts) {
    SCOPED_TRACE(p.name);
    const forms::Control* c = form.Find(p.name);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->desc->parent, p.parent);
    EXPECT_EQ(c->left, p.left);
    EXPECT_EQ(c->top, p.top);
    if (p.width >= 0) {
      EXPECT_EQ(c->width, p.width);
    }
    if (p.height >= 0) {
      EXPECT_EQ(c->height, p.height);
    }
  }
}

TEST(DialogLayout, TFormFreePartsSitWhereTheyBelong) {
  TFormFree form;
  ExpectParts(form, {
      {"Panel1", "", 91, 8, 430, 46},        {"LEdit1", "Panel1", 5, 20, 325, 23},
      {"Kn1", "Panel1", 367, 20, 26, 24},    {"SpeedVariable", "Panel1", 399, 20, 26, 24},
      {"pnl1", "", 91, 199, 430, 134},       {"GradientLabel", "pnl1", 3, 0, 145, 25},
      {"LabelCommand", "pnl1", 9, 3, -1, -1}, {"LabelInfo", "pnl1", 9, 26, 415, 64},
      {"ButtonOK50", "pnl1", 272, 103, 75, 25}, {"ButtonCancel50", "pnl1", 353, 103, 75, 25},
      {"Label5", "pnl1", 76, 92, -1, -1},    {"lbl1", "pnl1", 84, 117, -1, -1},
      {"Image1", "pnl1", 10, 98, 39, 33},    {"pnl7", "", 8, 8, 80, 320},
      {"PDJRotoLabel1", "pnl7", 18, 155, -1, -1}, {"PDJRotoLabel2", "pnl7", 15, 62, -1, -1},
      {"Panel5", "", 91, 56, 430, 142},      {"Panel3", "", 91, 56, 430, 142},
      {"Panel8", "", 91, 56, 430, 142},      {"Panel9", "", 91, 56, 430, 142},
      {"Panel21", "Panel5", 0, 0, 430, 46},  {"Panel2", "Panel5", 0, 48, 430, 46},
      {"Panel19", "Panel5", 0, 96, 430, 46}, {"LEdit15", "Panel21", 5, 20, 325, 23},
      {"SpeedButton19", "Panel21", 367, 20, 26, 24}, {"SpeedButton23", "Panel21", 399, 20, 26, 24},
      {"LEdit17", "Panel2", 5, 20, 325, 23}, {"SpeedButton2", "Panel2", 367, 20, 26, 24},
      {"SpeedButton1", "Panel2", 399, 20, 26, 24}, {"LEdit16", "Panel19", 5, 20, 325, 23},
      {"SpeedButton17", "Panel19", 367, 20, 26, 24}, {"SpeedButton22", "Panel19", 399, 20, 26, 24},
      {"Panel4", "Panel3", 0, 0, 430, 46},   {"LEdit2", "Panel4", 5, 20, 325, 23},
      {"SpeedButton4", "Panel4", 367, 20, 26, 24}, {"SpeedButton3", "Panel4", 399, 20, 26, 24},
      {"Panel7", "Panel3", 0, 48, 430, 46},  {"LEdit3", "Panel7", 5, 20, 325, 23},
      {"SpeedButton8", "Panel7", 367, 20, 26, 24}, {"SpeedButton7", "Panel7", 399, 20, 26, 24},
      {"Panel6", "Panel3", 0, 96, 430, 46},  {"Label7", "Panel6", 5, 2, -1, -1},
      {"ComboBox1", "Panel6", 5, 20, 168, 24}, {"Panel10", "Panel8", 0, 48, 430, 46},
      {"Label1", "Panel10", 5, 2, -1, -1},   {"ComboBox2", "Panel10", 5, 20, 168, 24},
      {"Panel11", "Panel9", 0, 16, 430, 46}, {"Label2", "Panel11", 5, 2, -1, -1},
      {"ComboBox3", "Panel11", 5, 20, 168, 24}, {"Panel12", "Panel9", 0, 80, 430, 46},
      {"Label3", "Panel12", 5, 2, -1, -1},   {"ComboBox4", "Panel12", 5, 20, 168, 24},
  });
  for (const char* group : {"Panel5", "Panel3", "Panel8", "Panel9"}) EXPECT_FALSE(form.Find(group)->visible);
  EXPECT_FALSE(form.Find("LabelFont")->visible);
  EXPECT_EQ(form.Caption(), "Action Properties");
}

TEST(DialogLayout, TFormDATAPartsSitWhereTheyBelong) {
  TFormDATA form;
  ExpectParts(form, {
      {"LEdit1", "Panel1", 5, 20, 340, 23},  {"pnl1", "", 91, 296, 430, 134},
      {"ButtonCancel50", "pnl1", 353, 102, 75, 25}, {"pnl7", "", 8, 8, 80, 412},
      {"PDJRotoLabel1", "pnl7", 18, 243, -1, -1}, {"PDJRotoLabel2", "pnl7", 15, 150, -1, -1},
      {"Panel3", "", 91, 56, 430, 241},      {"Panel2", "", 91, 56, 430, 241},
      {"Panel33", "Panel3", 0, 0, 430, 46},  {"Label1", "Panel33", 5, 2, -1, -1},
      {"ComboBox1", "Panel33", 5, 20, 220, 24}, {"Panel4", "Panel3", 0, 48, 430, 46},
      {"Label2", "Panel4", 5, 2, -1, -1},    {"StringGrid1", "Panel3", 5, 69, 419, 165},
      {"Panel24", "Panel2", 0, 0, 430, 46},  {"Label8", "Panel24", 5, 2, -1, -1},
      {"StringGrid2", "Panel2", 5, 21, 419, 211},
  });
  EXPECT_EQ(form.Find("StringGrid1")->cells.size(), 7u);
  EXPECT_EQ(form.Find("StringGrid2")->cells.size(), 12u);
  // Each grid lies over its caption row: it comes later in the table.
  EXPECT_GT(form.IndexOf("StringGrid1"), form.IndexOf("Panel4"));
  EXPECT_GT(form.IndexOf("StringGrid2"), form.IndexOf("Panel24"));
}

// The controls that take the keyboard come in the table (and Tab) order of
// their place: the rectangle row, the groups, then OK and Cancel.
TEST(DialogLayout, KeyboardControlsRunFromTopToBottom) {
  TFormFree free;
  TFormDATA data;
  for (const forms::Form* form : {static_cast<const forms::Form*>(&free), static_cast<const forms::Form*>(&data)}) {
    SCOPED_TRACE(form->Desc().className);
    const int rectangle = form->IndexOf("LEdit1");
    const int ok = form->IndexOf("ButtonOK50");
    EXPECT_LT(ok, form->IndexOf("ButtonCancel50"));
    for (const forms::Control& c : form->Controls()) {
      const auto kind = c.kind();
      if (kind != forms::Kind::LabeledEdit && kind != forms::Kind::ComboBox && kind != forms::Kind::StringGrid) continue;
      const int index = form->IndexOf(c.desc->name);
      if (index == rectangle) continue;
      EXPECT_GT(index, rectangle) << c.desc->name;
      EXPECT_LT(index, ok) << c.desc->name;
    }
  }
}

}  // namespace
}  // namespace orbidate
