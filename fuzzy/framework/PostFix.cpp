#include "fuzzy/framework/PostFix.h"

#include "fuzzy/framework/Stacks.h"

namespace fuzzy {

namespace {

// One conversion: the callbacks, the operator stack and the output.
class TPostFixConverter {
 public:
  TPostFixConverter(const TPostFixTest& isOpenParen, const TPostFixTest& isCloseParen,
                    const TPostFixTest& isOperand, const TPostFixPriority& inStackPriority,
                    const TPostFixPriority& incomingPriority)
      : FIsOpenParen(isOpenParen),
        FIsCloseParen(isCloseParen),
        FIsOperand(isOperand),
        FInStackPriority(inStackPriority),
        FIncomingPriority(incomingPriority) {}

  IPtr<IInterfaceList> Convert(const IPtr<IInterfaceList>& infix) {
    const int count = infix ? infix->GetCount() : 0;
    for (int i = 0; i < count; ++i) Take(infix->GetItem(i));
    FlushUntilOpenParen();
    while (!FStack->IsEmpty()) {
      FStack->Pop();  // unclosed opening brackets
      FlushUntilOpenParen();
    }
    return FOutput;
  }

 private:
  void Take(const IPtr<IInterface>& token) {
    if (FIsOpenParen(token)) {
      FStack->Push(token);
    } else if (FIsCloseParen(token)) {
      FlushUntilOpenParen();
      FStack->Pop();  // the matching bracket, or nothing when there is none
    } else if (FIsOperand(token)) {
      FOutput->Add(token);
    } else {
      TakeOperator(token);
    }
  }

  void TakeOperator(const IPtr<IInterface>& token) {
    const int incoming = FIncomingPriority(token);
    while (!FStack->IsEmpty() && !FIsOpenParen(FStack->Peek()) &&
           incoming >= FInStackPriority(FStack->Peek())) {
      FOutput->Add(FStack->Pop());
    }
    FStack->Push(token);
  }

  // Sends out stacked operators down to (not including) the nearest opening bracket.
  void FlushUntilOpenParen() {
    while (!FStack->IsEmpty() && !FIsOpenParen(FStack->Peek())) FOutput->Add(FStack->Pop());
  }

  const TPostFixTest& FIsOpenParen;
  const TPostFixTest& FIsCloseParen;
  const TPostFixTest& FIsOperand;
  const TPostFixPriority& FInStackPriority;
  const TPostFixPriority& FIncomingPriority;
  TOwned<TIStack> FStack = Own(TIStack::Create());
  IPtr<IInterfaceList> FOutput = TInterfaceList::Create();
};

}  // namespace

IPtr<IInterfaceList> PostFix(const IPtr<IInterfaceList>& infix, const TPostFixTest& IsOpenParen,
                             const TPostFixTest& IsCloseParen, const TPostFixTest& IsOperand,
                             const TPostFixPriority& InStackPriority,
                             const TPostFixPriority& IncomingPriority) {
  if (!IsOpenParen || !IsCloseParen || !IsOperand || !InStackPriority || !IncomingPriority) {
    throw EInvalidOperation("PostFix needs all five callbacks");
  }
  return TPostFixConverter(IsOpenParen, IsCloseParen, IsOperand, InStackPriority, IncomingPriority)
      .Convert(infix);
}

}  // namespace fuzzy
