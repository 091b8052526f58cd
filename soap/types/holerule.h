// Hole-rule service: rule sets for hole checks.

//gsoap HOLERULE service name: VXHoleRuleWebServiceSoapBinding
//gsoap HOLERULE service type: VXHoleRuleWebService
//gsoap HOLERULE service namespace: http://hole.ws.ruvu/
//gsoap HOLERULE service location: http://localhost:8080/RUVU/webservice/hole/VXHoleRuleWebService
//gsoap HOLERULE service method-style: document
//gsoap HOLERULE service method-encoding: literal
//gsoap HOLERULE service method-action: editHoleRule ""
//gsoap HOLERULE service method-action: removeHoleRule ""
//gsoap HOLERULE service method-action: cloneHoleRule ""
//gsoap HOLERULE service method-action: listHoleRules ""
//gsoap HOLERULE service method-action: renameHoleRule ""
//gsoap HOLERULE service method-action: addHoleRule ""
//gsoap HOLERULE schema form: unqualified

#import "builtins.h"

class HOLERULE__moxFileAttribute
{
  public:
    std::string *md5;
    LONG64 *size;
    std::string *uuid;
    struct soap *soap;
};

class HOLERULE__holeRuleEdit
{
  public:
    HOLERULE__moxFileAttribute *ruleFile;
    std::string *ruleId;
    std::string *ruleName;
    struct soap *soap;
};

class HOLERULE__holeRule
{
  public:
    bool *isDefaultRule;
    HOLERULE__moxFileAttribute *ruleFile;
    std::string *ruleId;
    std::string *ruleName;
    struct soap *soap;
};

class HOLERULE__holeRuleAdd
{
  public:
    HOLERULE__moxFileAttribute *ruleFile;
    std::string *ruleName;
    struct soap *soap;
};

class HOLERULE__editHoleRule
{
  public:
    HOLERULE__holeRuleEdit *holeRule;
    struct soap *soap;
};

class HOLERULE__editHoleRuleResponse
{
  public:
    struct soap *soap;
};

class HOLERULE__removeHoleRule
{
  public:
    std::string *ruleId;
    struct soap *soap;
};

class HOLERULE__removeHoleRuleResponse
{
  public:
    struct soap *soap;
};

class HOLERULE__renameHoleRule
{
  public:
    std::string *ruleId;
    std::string *newName;
    struct soap *soap;
};

class HOLERULE__renameHoleRuleResponse
{
  public:
    struct soap *soap;
};

class HOLERULE__listHoleRules
{
  public:
    struct soap *soap;
};

class HOLERULE__listHoleRulesResponse
{
  public:
    std::vector<HOLERULE__holeRule *> return_;
    struct soap *soap;
};

class HOLERULE__cloneHoleRule
{
  public:
    std::string *beClonedRuleId;
    std::string *ruleName;
    struct soap *soap;
};

class HOLERULE__cloneHoleRuleResponse
{
  public:
    HOLERULE__holeRule *return_;
    struct soap *soap;
};

class HOLERULE__addHoleRule
{
  public:
    HOLERULE__holeRuleAdd *holeRule;
    struct soap *soap;
};

class HOLERULE__addHoleRuleResponse
{
  public:
    std::string *return_;
    struct soap *soap;
};

class HOLERULE__Exception
{
  public:
    std::string *message;
    struct soap *soap;
};

int __HOLERULE__editHoleRule(HOLERULE__editHoleRule *request, HOLERULE__editHoleRuleResponse &response);
int __HOLERULE__removeHoleRule(HOLERULE__removeHoleRule *request, HOLERULE__removeHoleRuleResponse &response);
int __HOLERULE__cloneHoleRule(HOLERULE__cloneHoleRule *request, HOLERULE__cloneHoleRuleResponse &response);
int __HOLERULE__listHoleRules(HOLERULE__listHoleRules *request, HOLERULE__listHoleRulesResponse &response);
int __HOLERULE__renameHoleRule(HOLERULE__renameHoleRule *request, HOLERULE__renameHoleRuleResponse &response);
int __HOLERULE__addHoleRule(HOLERULE__addHoleRule *request, HOLERULE__addHoleRuleResponse &response);
