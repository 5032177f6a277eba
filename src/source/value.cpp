// The numbers statements hold, in preprocessing mode.
#include "source/value.h"

#include <array>
#include <string>

#include "base/diagnostics.h"
#include "source/c_expression.h"
#include "source/lexer.h"

namespace {

/// What ends a value where an operator may stand: a ) there closes nothing
/// of the value's own.
bool EndsValue(int32_t tokenClass) {
  return tokenClass == TOK_COMMA || tokenClass == TOK_RBRACE || tokenClass == TOK_RPAREN ||
         tokenClass == TOK_SEMICOLON || tokenClass == TOK_EOF;
}

/// What each token class is to the evaluator (a ) is an operator to it).
constexpr auto kPieceKind = [] {
  using Kind = ExpressionPiece<uint32_t>::Kind;
  std::array<Kind, kTokenClassLimit> kinds{};
  kinds.fill(Kind::kOther);
  for (const int32_t cls : {TOK_COMMA, TOK_RBRACE, TOK_SEMICOLON, TOK_EOF}) kinds[static_cast<std::size_t>(cls)] = Kind::kEnd;
  for (const OperatorRow& row : kOperators) kinds[static_cast<std::size_t>(row.tokenClass)] = Kind::kOperator;
  kinds[TOK_NUMBER] = Kind::kValue;
  return kinds;
}();

/// Reads a value's tokens from the lexer for the evaluator of C expressions.
class StatementValue {
 public:
  using Bits = uint32_t;
  using Value = CValue<Bits>;
  using Piece = ExpressionPiece<Bits>;

  /// What ReadValue reads ahead before it hands a value over: numbers, and
  /// the operator after each but the last, at most kMostTerms of them.
  static constexpr std::size_t kMostTerms = 4;
  struct Ahead {
    Value terms[kMostTerms];
    int32_t operators[kMostTerms];
    std::size_t pieces = 0;
  };
  /// A reader whose pieces are those of `ahead`, then the token current.
  StatementValue(Lexer& lexer, const Ahead& ahead) : lexer_(lexer), token_(*lexer.pToken), ahead_(ahead) {}
  StatementValue(const StatementValue&) = delete;
  StatementValue& operator=(const StatementValue&) = delete;

  Piece Next() {
    if (aheadNext_ < ahead_.pieces) {
      // A number and the operator after it, in turn.
      const std::size_t i = aheadNext_++;
      Piece piece;
      if (i % 2 == 0) {
        piece.kind = Piece::Kind::kValue;
        piece.value = ahead_.terms[i / 2];
      } else {
        piece.kind = Piece::Kind::kOperator;
        piece.op = ahead_.operators[i / 2];
      }
      return piece;
    }
    if (currentRead_) lexer_.GetToken();
    currentRead_ = true;
    Piece piece;
    const int32_t cls = token_.eClass;
    piece.kind = kPieceKind[static_cast<std::size_t>(cls)];
    if (piece.kind == Piece::Kind::kValue) {
      piece.value = NumberValue();
    } else if (piece.kind == Piece::Kind::kOperator) {
      piece.op = cls;
    } else if (piece.kind == Piece::Kind::kOther && IsWordClass(cls) && lexer_.nameCheck() != nullptr) {
      // Every macro is replaced by now: a word left is a mistake.
      lexer_.nameCheck()->RefuseName(token_);
    }
    return piece;
  }

  /// A count outside 0 to 31 fails where the shift is evaluated.
  static Value Shift(Value value, Value count, bool toLeft, bool evaluated) {
    if (count.isUnsigned ? count.bits < 32 : count.AsSigned() >= 0 && count.AsSigned() < 32)
      return CExpression<StatementValue>::ShiftWithin(value, count.bits, toLeft);
    if (!evaluated) return {0, value.isUnsigned};
    if (count.isUnsigned) FatalErrorFormatted("Shift count %u out of range (0 to 31)", count.bits);
    FatalErrorFormatted("Shift count %d out of range (0 to 31)", count.AsSigned());
  }

  [[noreturn]] void Refuse(ExpressionProblem problem, int32_t previous) const {
    switch (problem) {
      case ExpressionProblem::kEmpty: FatalError("Empty value");
      case ExpressionProblem::kMissingOperand:
        if (previous != TOK_NONE) {
          FatalErrorFormatted("Missing operand after '%s'", std::string(OperatorText(previous)).c_str());
        }
        FatalErrorFormatted("Missing operand before %s", Describe().c_str());
      case ExpressionProblem::kLeftOver: FatalErrorFormatted("%s left over in the value", Describe().c_str());
      case ExpressionProblem::kMissingParenthesis: FatalError("Missing ')' in the value");
      case ExpressionProblem::kMissingColon: FatalError("'?' without ':' in the value");
      case ExpressionProblem::kDivisionByZero: FatalError("Division by zero");
    }
    FatalError("Malformed value");
  }

  /// The token that ended the value is read again by the caller.
  void Ended(const Piece&) { lexer_.UngetToken(); }

 private:
  Value NumberValue() const {
    switch (token_.form) {
      case NumberForm::kInt: return Value::Of(token_.value);
      case NumberForm::kUnsigned: return {static_cast<Bits>(token_.value), true};
      case NumberForm::kTooLarge:
        FatalErrorFormatted("Integer constant '%s' too large for 32 bits", token_.spelling);
      case NumberForm::kMalformed: break;
    }
    FatalErrorFormatted("'%s' is no integer constant", token_.spelling);
  }

  /// The current token, as a message names it.
  std::string Describe() const {
    const int32_t cls = token_.eClass;
    if (cls == TOK_NUMBER) return "'" + std::string(token_.spelling != nullptr ? token_.spelling : "") + "'";
    if (IsOperatorClass(cls)) return "'" + std::string(OperatorText(cls)) + "'";
    switch (cls) {
      case TOK_COMMA: return "','";
      case TOK_SEMICOLON: return "';'";
      case TOK_LBRACE: return "'{'";
      case TOK_RBRACE: return "'}'";
      case TOK_STRING: return "a string";
      case TOK_LITERAL: return "a four-character code";
      case TOK_EOF: return "the end of the file";
      // A # the stage left: a directive's token to the lexer.
      default: return "'#'";
    }
  }

  Lexer& lexer_;
  const Token& token_;
  const Ahead& ahead_;
  std::size_t aheadNext_ = 0;
  /// The token current was handed over: the next piece is the next token.
  bool currentRead_ = false;
};

/// A value that is more than a sum of numbers: `ahead` read already, and
/// the token current.
[[gnu::noinline]] int32_t Evaluate(Lexer& lexer, const StatementValue::Ahead& ahead) {
  StatementValue reader(lexer, ahead);
  return static_cast<int32_t>(CExpression<StatementValue>::Evaluate(reader).bits);
}

}  // namespace

int32_t ReadValue(Lexer& lexer) {
  // Most values are a number, or a sum of numbers (an id from its base):
  // read so here, without the evaluator; anything more goes to it whole,
  // the pieces read so far first. A sum is taken as C takes it: left to
  // right, unsigned where a number is, wrapping around.
  const Token& token = *lexer.pToken;
  StatementValue::Ahead ahead;
  StatementValue::Value sum{0, false};
  for (std::size_t term = 0;; ++term) {
    lexer.GetToken();
    if (token.eClass != TOK_NUMBER || (token.form != NumberForm::kInt && token.form != NumberForm::kUnsigned))
      break;
    const StatementValue::Value value{static_cast<uint32_t>(token.value), token.form == NumberForm::kUnsigned};
    const bool minus = term > 0 && ahead.operators[term - 1] == TOK_MINUS;
    sum = {minus ? sum.bits - value.bits : sum.bits + value.bits, sum.isUnsigned || value.isUnsigned};
    ahead.terms[term] = value;
    ++ahead.pieces;
    lexer.GetToken();
    if (EndsValue(token.eClass)) {
      lexer.UngetToken();
      return static_cast<int32_t>(sum.bits);
    }
    if ((token.eClass != TOK_PLUS && token.eClass != TOK_MINUS) || term + 1 == StatementValue::kMostTerms) break;
    ahead.operators[term] = token.eClass;
    ++ahead.pieces;
  }
  return Evaluate(lexer, ahead);
}
