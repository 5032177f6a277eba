// C's integer expressions, computed as C computes them: one evaluation by
// precedence over the operators' table (operators.h), shared by #if
// (intmax_t and uintmax_t) and by the values of statements in preprocessing
// mode (int and unsigned int); only the width of the integers, where the
// tokens come from and what the messages say differ between the two.
//
// The operators and values waiting for their right side are kept on stacks
// of their own rather than on the call stack, so an expression nested to
// any depth (a hundred thousand parentheses or minus signs) costs memory in
// proportion and never exhausts the stack.
//
// C's rules kept: left associativity, ?: to the right; the usual arithmetic
// conversions (an unsigned operand makes the operation unsigned); division
// towards zero, the one quotient that does not fit (MIN / -1) wrapping
// around; wrap-around everywhere else; the right side of && and || and the
// side of ?: not chosen are not evaluated, so a division by zero there is
// no failure.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <type_traits>
#include <vector>

#include "source/operators.h"
#include "source/tokens.h"

/// A value of the width `Bits`: its bits, and whether C holds it unsigned.
/// (Trivial, so that the evaluator's stacks cost nothing to set up.)
template <class Bits>
struct CValue {
  using Signed = std::make_signed_t<Bits>;
  Bits bits;
  bool isUnsigned;

  Signed AsSigned() const { return static_cast<Signed>(bits); }
  bool IsTrue() const { return bits != 0; }
  /// An int.
  static CValue Of(Signed value) { return {static_cast<Bits>(value), false}; }
  /// A truth value, an int 1 or 0.
  static CValue Truth(bool truth) { return {static_cast<Bits>(truth ? 1 : 0), false}; }
};

/// A stack that holds its first `N` entries in itself: an expression as
/// statements write them takes no memory from the heap. (T is trivial.)
template <class T, std::size_t N>
class SmallStack {
 public:
  SmallStack() = default;
  SmallStack(const SmallStack&) = delete;
  SmallStack& operator=(const SmallStack&) = delete;

  bool empty() const { return size_ == 0; }
  std::size_t size() const { return size_; }
  T& operator[](std::size_t i) { return data_[i]; }
  T& back() { return data_[size_ - 1]; }
  void push_back(const T& entry) {
    if (size_ == capacity_) Grow();
    data_[size_++] = entry;
  }
  void pop_back() { --size_; }

 private:
  /// Moves the entries to the heap, with room for as many again.
  void Grow() {
    std::vector<T> larger(2 * capacity_);
    std::copy(data_, data_ + size_, larger.begin());
    more_.swap(larger);
    data_ = more_.data();
    capacity_ = more_.size();
  }

  T first_[N];
  T* data_ = first_;
  std::size_t size_ = 0;
  std::size_t capacity_ = N;
  std::vector<T> more_;
};

/// What a reader hands the evaluator for each token.
template <class Bits>
struct ExpressionPiece {
  enum class Kind : uint8_t {
    kValue,     ///< an operand
    kOperator,  ///< `op` (a token class of operators.h)
    kEnd,       ///< what ends the expression
    kOther,     ///< any other token: it stands where it cannot
  };
  Kind kind = Kind::kEnd;
  int32_t op = TOK_NONE;
  CValue<Bits> value{};
};

/// What is wrong with an expression, for the reader to say.
enum class ExpressionProblem : uint8_t {
  kEmpty,               ///< nothing before its end
  kMissingOperand,      ///< an operator, or the start, without an operand after it
  kLeftOver,            ///< a token that no operator before it can take
  kMissingParenthesis,  ///< a ( not closed
  kMissingColon,        ///< a ? without its :
  kDivisionByZero,
};

/// The evaluator. A `Reader` gives the width (`Bits`), the pieces (`Next`),
/// the shift (`Shift`, whose counts out of range are the reader's rule), the
/// failures (`Refuse`, never returning) and hears of the end (`Ended`, with
/// the piece that ended the expression: an end, or a ) that closes nothing).
template <class Reader>
class CExpression {
 public:
  using Bits = typename Reader::Bits;
  using Value = CValue<Bits>;
  using Piece = ExpressionPiece<Bits>;

  /// The value of the expression `reader` reads.
  static Value Evaluate(Reader& reader) { return CExpression(reader).Run(); }

  /// `value` shifted by `count` (0 to the width less one) to the left, or
  /// to the right, arithmetically where it is signed: for the readers' Shift.
  static Value ShiftWithin(Value value, unsigned count, bool toLeft) {
    if (toLeft) value.bits = static_cast<Bits>(value.bits << count);
    else if (value.isUnsigned) value.bits = static_cast<Bits>(value.bits >> count);
    else value.bits = static_cast<Bits>(value.AsSigned() >> count);
    return value;
  }

 private:
  using Kind = typename Piece::Kind;
  enum class Role : uint8_t { kOpen, kUnary, kBinary, kQuestion, kColon };
  /// An operator waiting for its right side: whether the operation is
  /// evaluated, and whether what follows it is; and the least binding of
  /// what follows that carries it out (see ReduceDownTo).
  struct Waiting {
    int32_t op;
    Role role;
    bool evaluated;
    bool evaluatesRight;
    int8_t rank;
  };
  /// The rank of each role: a unary operator is carried out before any
  /// binary one, a binary one before one of its precedence or less, a
  /// conditional only at the end of what holds it, a ( or a ? without its :
  /// never.
  static int8_t RankOf(Role role, int32_t op) {
    switch (role) {
      case Role::kUnary: return 11;
      case Role::kBinary: return static_cast<int8_t>(BinaryPrecedence(op));
      case Role::kColon: return 0;
      default: return -1;
    }
  }

  explicit CExpression(Reader& reader) : reader_(reader) {}

  static bool IsUnary(int32_t op) {
    return op == TOK_PLUS || op == TOK_MINUS || op == TOK_TILDE || op == TOK_BANG;
  }
  /// Whether what is read now is evaluated.
  bool Evaluating() { return ops_.empty() || ops_.back().evaluatesRight; }
  void Wait(int32_t op, Role role, bool evaluatesRight) {
    ops_.push_back({op, role, Evaluating(), evaluatesRight, RankOf(role, op)});
  }

  Value Run() {
    // The operator read last, for the messages (none at the start).
    int32_t previous = TOK_NONE;
    bool wantOperand = true;
    for (;;) {
      const Piece piece = reader_.Next();
      if (wantOperand) {
        wantOperand = TakeOperand(piece, previous);
      } else if (!TakeOperator(piece, previous, wantOperand)) {
        return Finish(piece, previous);
      }
      previous = piece.op;
    }
  }

  /// With an operand wanted: takes `piece`, and says whether an operand is
  /// still wanted (after a ( or a unary operator).
  bool TakeOperand(const Piece& piece, int32_t previous) {
    if (piece.kind == Kind::kValue) {
      values_.push_back(piece.value);
      return false;
    }
    const bool isOperator = piece.kind == Kind::kOperator;
    if (isOperator && (piece.op == TOK_LPAREN || IsUnary(piece.op))) {
      Wait(piece.op, piece.op == TOK_LPAREN ? Role::kOpen : Role::kUnary, Evaluating());
      return true;
    }
    reader_.Refuse(piece.kind == Kind::kEnd && previous == TOK_NONE ? ExpressionProblem::kEmpty
                                                                   : ExpressionProblem::kMissingOperand,
                   previous);
  }

  /// With an operand read: takes `piece`, an operator (`wantOperand` says
  /// whether one must follow it); false at the end of the expression.
  bool TakeOperator(const Piece& piece, int32_t previous, bool& wantOperand) {
    const int32_t op = piece.kind == Kind::kOperator ? piece.op : TOK_NONE;
    wantOperand = true;
    if (const int precedence = BinaryPrecedence(op); precedence > 0) {
      ReduceDownTo(precedence);
      const bool evaluating = Evaluating();
      const bool leftTrue = values_.back().IsTrue();
      bool right = evaluating;
      if (op == TOK_AND_AND) right = evaluating && leftTrue;
      if (op == TOK_OR_OR) right = evaluating && !leftTrue;
      Wait(op, Role::kBinary, right);
    } else if (op == TOK_QUESTION) {
      // ?: groups to the right: a conditional before it waits.
      ReduceDownTo(1);
      Wait(op, Role::kQuestion, Evaluating() && values_.back().IsTrue());
    } else if (op == TOK_COLON) {
      ReduceDownTo(0);
      if (ops_.empty() || ops_.back().role != Role::kQuestion) reader_.Refuse(ExpressionProblem::kLeftOver, previous);
      Waiting& question = ops_.back();
      const bool condition = values_[values_.size() - 2].IsTrue();
      question = {op, Role::kColon, question.evaluated, question.evaluated && !condition, RankOf(Role::kColon, op)};
    } else if (op == TOK_RPAREN) {
      // A ) that closes nothing ends the expression.
      ReduceDownTo(0);
      if (ops_.empty()) return false;
      if (ops_.back().role != Role::kOpen) reader_.Refuse(ExpressionProblem::kMissingColon, previous);
      ops_.pop_back();
      wantOperand = false;
    } else if (piece.kind == Kind::kEnd) {
      return false;
    } else {
      reader_.Refuse(ExpressionProblem::kLeftOver, previous);
    }
    return true;
  }

  Value Finish(const Piece& end, int32_t previous) {
    ReduceDownTo(0);
    if (!ops_.empty()) {
      reader_.Refuse(ops_.back().role == Role::kOpen ? ExpressionProblem::kMissingParenthesis
                                                     : ExpressionProblem::kMissingColon,
                     previous);
    }
    reader_.Ended(end);
    return values_.back();
  }

  /// Carries out the operators waiting whose right side is complete, those
  /// of rank `least` and above: every unary one, the binary ones of
  /// precedence `least` and above, and with `least` 0 the conditionals;
  /// never past a ( or a ? without its :.
  void ReduceDownTo(int least) {
    if (!ops_.empty() && ops_.back().rank >= least) ReduceWaiting(least);
  }
  void ReduceWaiting(int least) {
    while (!ops_.empty() && ops_.back().rank >= least) {
      const Waiting top = ops_.back();
      ops_.pop_back();
      if (top.role == Role::kBinary) {
        const Value right = values_.back();
        values_.pop_back();
        values_.back() = Apply(top.op, values_.back(), right, top.evaluated);
      } else if (top.role == Role::kUnary) {
        Value& operand = values_.back();
        if (top.op == TOK_MINUS) operand.bits = static_cast<Bits>(Bits{0} - operand.bits);
        else if (top.op == TOK_TILDE) operand.bits = static_cast<Bits>(~operand.bits);
        else if (top.op == TOK_BANG) operand = Value::Truth(!operand.IsTrue());
      } else {
        const Value whenFalse = values_.back();
        values_.pop_back();
        const Value whenTrue = values_.back();
        values_.pop_back();
        Value& result = values_.back();
        const bool isUnsigned = whenTrue.isUnsigned || whenFalse.isUnsigned;
        result = result.IsTrue() ? whenTrue : whenFalse;
        result.isUnsigned = isUnsigned;
      }
    }
  }

  Value Apply(int32_t op, Value left, Value right, bool evaluated) {
    const bool isUnsigned = left.isUnsigned || right.isUnsigned;
    const Bits l = left.bits;
    const Bits r = right.bits;
    const auto less = [&](Value a, Value b) { return isUnsigned ? a.bits < b.bits : a.AsSigned() < b.AsSigned(); };
    switch (op) {
      case TOK_OR_OR: return Value::Truth(left.IsTrue() || right.IsTrue());
      case TOK_AND_AND: return Value::Truth(left.IsTrue() && right.IsTrue());
      case TOK_EQUAL: return Value::Truth(l == r);
      case TOK_NOT_EQUAL: return Value::Truth(l != r);
      case TOK_LESS: return Value::Truth(less(left, right));
      case TOK_GREATER: return Value::Truth(less(right, left));
      case TOK_LESS_EQUAL: return Value::Truth(!less(right, left));
      case TOK_GREATER_EQUAL: return Value::Truth(!less(left, right));
      // The right operand's own type says how its count is read.
      case TOK_SHIFT_LEFT: return reader_.Shift(left, right, true, evaluated);
      case TOK_SHIFT_RIGHT: return reader_.Shift(left, right, false, evaluated);
      case TOK_SLASH:
      case TOK_PERCENT: {
        const bool quotient = op == TOK_SLASH;
        if (r == 0) {
          // An operand that is not evaluated may divide by zero.
          if (!evaluated) return {0, isUnsigned};
          reader_.Refuse(ExpressionProblem::kDivisionByZero, op);
        }
        if (isUnsigned) return {static_cast<Bits>(quotient ? l / r : l % r), true};
        // The one quotient that does not fit wraps around.
        if (left.AsSigned() == std::numeric_limits<typename Value::Signed>::min() && right.AsSigned() == -1)
          return {quotient ? l : Bits{0}, false};
        const auto signedResult = quotient ? left.AsSigned() / right.AsSigned() : left.AsSigned() % right.AsSigned();
        return {static_cast<Bits>(signedResult), false};
      }
      case TOK_STAR: return {static_cast<Bits>(l * r), isUnsigned};
      case TOK_PLUS: return {static_cast<Bits>(l + r), isUnsigned};
      case TOK_MINUS: return {static_cast<Bits>(l - r), isUnsigned};
      case TOK_AMPERSAND: return {static_cast<Bits>(l & r), isUnsigned};
      case TOK_CARET: return {static_cast<Bits>(l ^ r), isUnsigned};
      default: return {static_cast<Bits>(l | r), isUnsigned};
    }
  }

  Reader& reader_;
  SmallStack<Value, 8> values_;
  SmallStack<Waiting, 8> ops_;
};
