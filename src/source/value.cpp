// The numbers statements hold, in preprocessing mode.
#include "source/value.h"

#include <string>

#include "base/diagnostics.h"
#include "source/c_expression.h"
#include "source/lexer.h"
#include "source/word_check.h"

namespace {

/// Reads a value's tokens from the lexer for the evaluator of C expressions.
class StatementValue {
 public:
  using Bits = uint32_t;
  using Value = CValue<Bits>;
  using Piece = ExpressionPiece<Bits>;

  explicit StatementValue(Lexer& lexer) : lexer_(lexer), token_(*lexer.pToken) {}
  StatementValue(const StatementValue&) = delete;
  StatementValue& operator=(const StatementValue&) = delete;

  Piece Next() {
    lexer_.GetToken();
    Piece piece;
    const int32_t cls = token_.eClass;
    if (cls == TOK_NUMBER) {
      piece.kind = Piece::Kind::kValue;
      piece.value = NumberValue();
    } else if (IsOperatorClass(cls)) {
      piece.kind = Piece::Kind::kOperator;
      piece.op = cls;
    } else if (cls != TOK_COMMA && cls != TOK_RBRACE && cls != TOK_SEMICOLON && cls != TOK_EOF) {
      // Every macro is replaced by now: a word left is a mistake.
      if (IsWordClass(cls) && lexer_.wordCheck() != nullptr) lexer_.wordCheck()->RefuseName(token_);
      piece.kind = Piece::Kind::kOther;
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
};

}  // namespace

int32_t ReadValue(Lexer& lexer) {
  StatementValue reader(lexer);
  return static_cast<int32_t>(CExpression<StatementValue>::Evaluate(reader).bits);
}
