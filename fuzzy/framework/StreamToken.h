// The token that text streams are cut into, and the ordered list of tokens that a group of
// text becomes. Both are reference counted and copied and compared through ICloneable.
#pragma once

#include <string>
#include <vector>

#include "fuzzy/framework/Interface.h"

namespace fuzzy {

class IBaseStreamToken : public virtual ICloneable {
 public:
  static constexpr TGUID IID = TGUID::Parse("{CCE9541F-DBBC-42B9-B420-C6F5AAFA67D1}");

  virtual int GetDataType() const = 0;
  virtual void SetDataType(int value) = 0;
  virtual int GetLineNumber() const = 0;
  virtual void SetLineNumber(int value) = 0;
  virtual double GetNumber() const = 0;
  virtual void SetNumber(double value) = 0;
  virtual std::string GetText() const = 0;
  virtual void SetText(const std::string& value) = 0;
  // The blanks, line ends and comments that stood before the token in its text.
  virtual std::string GetWhitespace() const = 0;
  virtual void SetWhitespace(const std::string& value) = 0;
  // The printable text of the token.
  virtual std::string ToString() const = 0;

 protected:
  ~IBaseStreamToken() = default;
};

// The list as an interface; its GUID is the library's own. Items are read and replaced
// through GetBaseStreamToken, PutBaseStreamToken, FirstBaseStreamToken and
// LastBaseStreamToken, which leaves the short names Get, Put, First and Last free for
// derived list interfaces that answer a more specific token type.
class IBaseStreamTokenList : public virtual ICloneable {
 public:
  static constexpr TGUID IID = TGUID::Parse("{A7C3E915-2B64-4D8F-8E21-3F9B6C0D4A57}");

  // Appends; answers the new token's index.
  virtual int Add(const IPtr<IBaseStreamToken>& token) = 0;
  virtual void Append(const IPtr<IBaseStreamToken>& token) = 0;
  // Appends every token of another list (the same references).
  virtual void Append(const IPtr<IBaseStreamTokenList>& tokens) = 0;
  // Index 0 to GetCount() inclusive.
  virtual void Insert(int index, const IPtr<IBaseStreamToken>& token) = 0;
  virtual void PutBaseStreamToken(int index, const IPtr<IBaseStreamToken>& token) = 0;
  virtual IPtr<IBaseStreamToken> GetBaseStreamToken(int index) const = 0;
  // Null on an empty list.
  virtual IPtr<IBaseStreamToken> FirstBaseStreamToken() const = 0;
  virtual IPtr<IBaseStreamToken> LastBaseStreamToken() const = 0;
  // The first position of that very token, or -1.
  virtual int IndexOf(const IPtr<IBaseStreamToken>& token) const = 0;
  // Deletes the first position of that very token; answers it, or -1.
  virtual int Remove(const IPtr<IBaseStreamToken>& token) = 0;
  virtual void Delete(int index) = 0;
  virtual void Clear() = 0;
  virtual int GetCount() const = 0;
  // "(" then the tokens' texts joined by single blanks, then ")".
  virtual std::string ToString() const = 0;

 protected:
  ~IBaseStreamTokenList() = default;
};

// The kinds the base token knows how to print; others print their Text.
inline constexpr int btEndOfInput = 0;
inline constexpr int btAtom = 1;
inline constexpr int btString = 2;
inline constexpr int btInteger = 3;
inline constexpr int btFloat = 4;
inline constexpr int btVariable = 5;

class TBaseStreamToken : public TInterfacedObject, public virtual IBaseStreamToken {
 public:
  static TBaseStreamToken* Create() { return Constructed(new TBaseStreamToken()); }
  static TBaseStreamToken* Create(int dataType, const std::string& text, double number = 0) {
    return Constructed(new TBaseStreamToken(dataType, text, number));
  }
  std::string ClassName() const override { return "TBaseStreamToken"; }
  HResult QueryInterface(const TGUID& iid, void** object) override;

  int GetDataType() const override { return FDataType; }
  void SetDataType(int value) override { FDataType = value; }
  int GetLineNumber() const override { return FLineNumber; }
  void SetLineNumber(int value) override { FLineNumber = value; }
  double GetNumber() const override { return FNumber; }
  void SetNumber(double value) override { FNumber = value; }
  std::string GetText() const override { return FText; }
  void SetText(const std::string& value) override { FText = value; }
  std::string GetWhitespace() const override { return FWhitespace; }
  void SetWhitespace(const std::string& value) override { FWhitespace = value; }
  int GetTag() const override { return FTag; }
  void SetTag(int value) override { FTag = value; }

  // Copies every field of another token; any other source raises EConvertError.
  void Assign(const IPtr<IInterface>& source) override;
  // A token of the receiver's own class with the same fields.
  IPtr<IInterface> Clone() const override;
  // Tokens are equal when kind, text and number agree; where they stood does not count.
  bool Equals(const IPtr<IInterface>& other) const override;
  // End of input "EOF"; a variable "?" and its name; an integer its decimal digits; a float
  // the shortest text that reads back to the same number; everything else its Text.
  std::string ToString() const override;

 protected:
  TBaseStreamToken() = default;
  TBaseStreamToken(int dataType, std::string text, double number);

  // An empty token of the receiver's class: a derived token overrides it so Clone copies it.
  virtual IPtr<TBaseStreamToken> NewToken() const;
  // Copies the fields; a derived token extends it with its own.
  virtual void AssignToken(const IBaseStreamToken& source);

 private:
  int FDataType = btEndOfInput;
  int FLineNumber = 0;
  double FNumber = 0;
  std::string FText;
  std::string FWhitespace;
  int FTag = 0;
};

class TBaseStreamTokenList : public TInterfacedObject, public virtual IBaseStreamTokenList {
 public:
  // Created empty.
  static TBaseStreamTokenList* Create() { return Constructed(new TBaseStreamTokenList()); }
  std::string ClassName() const override { return "TBaseStreamTokenList"; }
  HResult QueryInterface(const TGUID& iid, void** object) override;

  int Add(const IPtr<IBaseStreamToken>& token) override;
  void Append(const IPtr<IBaseStreamToken>& token) override { Add(token); }
  void Append(const IPtr<IBaseStreamTokenList>& tokens) override;
  void Insert(int index, const IPtr<IBaseStreamToken>& token) override;
  void PutBaseStreamToken(int index, const IPtr<IBaseStreamToken>& token) override;
  IPtr<IBaseStreamToken> GetBaseStreamToken(int index) const override;
  IPtr<IBaseStreamToken> FirstBaseStreamToken() const override;
  IPtr<IBaseStreamToken> LastBaseStreamToken() const override;
  int IndexOf(const IPtr<IBaseStreamToken>& token) const override;
  int Remove(const IPtr<IBaseStreamToken>& token) override;
  void Delete(int index) override;
  void Clear() override;
  int GetCount() const override { return static_cast<int>(FItems.size()); }
  int GetTag() const override { return FTag; }
  void SetTag(int value) override { FTag = value; }

  // Short names for the class's own callers; a derived list hides them with typed ones.
  IPtr<IBaseStreamToken> Get(int index) const { return GetBaseStreamToken(index); }
  void Put(int index, const IPtr<IBaseStreamToken>& token) { PutBaseStreamToken(index, token); }
  IPtr<IBaseStreamToken> First() const { return FirstBaseStreamToken(); }
  IPtr<IBaseStreamToken> Last() const { return LastBaseStreamToken(); }

  // Replaces the tokens (and Tag) by copies of another list's; any other source raises
  // EConvertError.
  void Assign(const IPtr<IInterface>& source) override;
  // A list of the receiver's own class holding copies of the tokens.
  IPtr<IInterface> Clone() const override;
  // Equal when the other is a token list of the same length whose tokens are pairwise Equals.
  bool Equals(const IPtr<IInterface>& other) const override;
  std::string ToString() const override;

 protected:
  TBaseStreamTokenList() = default;

  // An empty list of the receiver's class, for Clone.
  virtual IPtr<TBaseStreamTokenList> NewList() const;

 private:
  void CheckIndex(int index) const;

  std::vector<IPtr<IBaseStreamToken>> FItems;
  int FTag = 0;
};

}  // namespace fuzzy
