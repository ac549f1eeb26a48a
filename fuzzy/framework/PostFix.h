// Turns an infix list of tokens into postfix order with in-stack and incoming priorities,
// so the expression evaluator can walk the result with a stack of operands.
#pragma once

#include <functional>

#include "fuzzy/framework/Interface.h"
#include "fuzzy/framework/InterfaceList.h"

namespace fuzzy {

using TPostFixTest = std::function<bool(const IPtr<IInterface>& token)>;
using TPostFixPriority = std::function<int(const IPtr<IInterface>& token)>;

// Answers a new list with the tokens of infix in postfix order; infix is left as it was.
// Each token is asked, in this order, whether it opens a group, closes one, or is an operand;
// anything else is an operator. Smaller priorities bind tighter: an arriving operator first
// sends to the output every stacked operator whose InStackPriority is not above its own
// IncomingPriority. An opening bracket is never sent out by an arriving operator; brackets
// group and do not appear in the result. A closing bracket without its opening one sends out
// everything stacked and is dropped; an opening bracket never closed is dropped at the end.
// A null infix list gives an empty result; an unassigned callback raises EInvalidOperation.
// Nested lists are tokens like any other: the caller flattens them.
IPtr<IInterfaceList> PostFix(const IPtr<IInterfaceList>& infix, const TPostFixTest& IsOpenParen,
                             const TPostFixTest& IsCloseParen, const TPostFixTest& IsOperand,
                             const TPostFixPriority& InStackPriority,
                             const TPostFixPriority& IncomingPriority);

}  // namespace fuzzy
