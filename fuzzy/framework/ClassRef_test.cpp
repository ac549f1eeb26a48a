#include "fuzzy/framework/ClassRef.h"

#include <gtest/gtest.h>

#include <string>

namespace fuzzy {
namespace {

class TShape : public TObject {
 public:
  static TShape* Create(int size) { return Constructed(new TShape(size)); }
  std::string ClassName() const override { return "TShape"; }
  int Size;

 protected:
  explicit TShape(int size) : Size(size) {}
};

class TCircle : public TShape {
 public:
  static TCircle* Create(int size) { return Constructed(new TCircle(size)); }
  std::string ClassName() const override { return "TCircle"; }

 protected:
  using TShape::TShape;
};

using TShapeClass = TClassRef<TShape, int>;

TEST(ClassRef, CreatesAnInstanceOfTheReferencedClass) {
  const TShapeClass circleClass = TClassRef<TCircle, int>::Of<TCircle>();
  TOwned<TShape> shape(circleClass.Create(4));
  EXPECT_EQ(shape->ClassName(), "TCircle");
  EXPECT_EQ(shape->Size, 4);
  EXPECT_EQ(circleClass, TShapeClass::Of<TCircle>());
  EXPECT_NE(circleClass, TShapeClass::Of<TShape>());
}

TEST(ClassRef, IsInstanceAcceptsTheClassAndItsDescendants) {
  TOwned<TShape> shape(TShape::Create(1));
  TOwned<TCircle> circle(TCircle::Create(1));
  EXPECT_TRUE(TShapeClass::Of<TShape>().IsInstance(circle.get()));
  EXPECT_TRUE(TShapeClass::Of<TCircle>().IsInstance(circle.get()));
  EXPECT_FALSE(TShapeClass::Of<TCircle>().IsInstance(shape.get()));
  EXPECT_FALSE(TShapeClass::Of<TShape>().IsInstance(nullptr));
}

TEST(ClassRef, TheNilClassCreatesNothing) {
  const TShapeClass nil;
  EXPECT_TRUE(nil.IsNil());
  EXPECT_FALSE(nil);
  EXPECT_THROW(nil.Create(1), EInvalidOperation);
  EXPECT_FALSE(nil.IsInstance(nullptr));
}

}  // namespace
}  // namespace fuzzy
