<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Qt: the window system plugin (xcb, wayland, offscreen, ...).</source>
        <translation>Qt：窗口系统插件（xcb、wayland、offscreen 等）。</translation>
    </message>
    <message>
        <source>Qt: where to look for window system plugins.</source>
        <translation>Qt：查找窗口系统插件的位置。</translation>
    </message>
    <message>
        <source>Qt: the platform theme.</source>
        <translation>Qt：平台主题。</translation>
    </message>
    <message>
        <source>Qt: load an extra input plugin.</source>
        <translation>Qt：加载额外的输入插件。</translation>
    </message>
    <message>
        <source>Qt: the X display to use instead of $DISPLAY.</source>
        <translation>Qt：代替 $DISPLAY 使用的 X 显示。</translation>
    </message>
    <message>
        <source>Qt: the main window&apos;s geometry on X11.</source>
        <translation>Qt：X11 下主窗口的几何尺寸。</translation>
    </message>
    <message>
        <source>Qt: the geometry of the first window.</source>
        <translation>Qt：第一个窗口的几何尺寸。</translation>
    </message>
    <message>
        <source>Qt: the default window icon.</source>
        <translation>Qt：默认窗口图标。</translation>
    </message>
    <message>
        <source>Qt: the title of the first window.</source>
        <translation>Qt：第一个窗口的标题。</translation>
    </message>
    <message>
        <source>Qt: restore the given session.</source>
        <translation>Qt：恢复指定的会话。</translation>
    </message>
    <message>
        <source>Qt: the widget style.</source>
        <translation>Qt：控件样式。</translation>
    </message>
    <message>
        <source>Qt: a style sheet for the widgets.</source>
        <translation>Qt：控件的样式表。</translation>
    </message>
    <message>
        <source>Qt: lay the windows out right to left.</source>
        <translation>Qt：从右向左排列窗口。</translation>
    </message>
    <message>
        <source>Qt: report the number of widgets left at the end.</source>
        <translation>Qt：结束时报告剩余控件的数量。</translation>
    </message>
    <message>
        <source>Qt: QML debugger settings.</source>
        <translation>Qt：QML 调试器设置。</translation>
    </message>
    <message>
        <source>Qt: never grab the mouse or keyboard (X11).</source>
        <translation>Qt：从不独占鼠标或键盘（X11）。</translation>
    </message>
    <message>
        <source>Qt: grab even under a debugger (X11).</source>
        <translation>Qt：即使在调试器下也独占（X11）。</translation>
    </message>
    <message>
        <source>Qt: run X11 requests synchronously, for debugging.</source>
        <translation>Qt：同步执行 X11 请求，用于调试。</translation>
    </message>
    <message>
        <source>Numbrook drills a child in mental arithmetic.</source>
        <translation>Numbrook 帮助孩子练习心算。</translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation>显示本帮助并退出。</translation>
    </message>
    <message>
        <source>Show the version and end.</source>
        <translation>显示版本并退出。</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>意外的参数：%1</translation>
    </message>
</context>
<context>
    <name>QTabBar</name>
    <message>
        <source>Scroll Left</source>
        <translation>向左滚动</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>向右滚动</translation>
    </message>
</context>
<context>
    <name>ResultsTexts</name>
    <message>
        <source>Numbrook: results</source>
        <translation>Numbrook：成绩</translation>
    </message>
    <message>
        <source>No quizzes recorded yet. Results appear here after the first quiz.</source>
        <translation>还没有练习记录。第一次练习后，成绩会显示在这里。</translation>
    </message>
    <message>
        <source>Last 7 days: %1 quizzes · %2 % right · typical answer time %3</source>
        <translation>最近 7 天：练习 %1 次 · 正确 %2 % · 通常答题时间 %3</translation>
    </message>
    <message>
        <source>No quizzes in the last 7 days.</source>
        <translation>最近 7 天没有练习。</translation>
    </message>
    <message>
        <source>▲ %1 % more right answers than the week before</source>
        <translation>▲ 答对比前一周多 %1 %</translation>
    </message>
    <message>
        <source>▼ %1 % fewer right answers than the week before</source>
        <translation>▼ 答对比前一周少 %1 %</translation>
    </message>
    <message>
        <source>● as many right answers as the week before</source>
        <translation>● 答对数与前一周相同</translation>
    </message>
    <message>
        <source>answers %1 faster</source>
        <translation>答题快了 %1</translation>
    </message>
    <message>
        <source>answers %1 slower</source>
        <translation>答题慢了 %1</translation>
    </message>
    <message>
        <source>No quizzes the week before to compare with.</source>
        <translation>前一周没有练习，无法比较。</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>–</source>
        <translation>–</translation>
    </message>
    <message>
        <source>Right answers and typical answer time by day</source>
        <translation>每天的答对情况和通常答题时间</translation>
    </message>
    <message>
        <source>Right answers, %</source>
        <translation>答对，%</translation>
    </message>
    <message>
        <source>Typical answer time, s</source>
        <translation>通常答题时间，秒</translation>
    </message>
    <message>
        <source>d MMM</source>
        <translation>M/d</translation>
    </message>
    <message>
        <source>Recent quizzes</source>
        <translation>最近的练习</translation>
    </message>
    <message>
        <source>Showing %1 of %2 quizzes</source>
        <translation>显示 %1 / %2 次练习</translation>
    </message>
    <message>
        <source>Show more</source>
        <translation>显示更多</translation>
    </message>
    <message>
        <source>Questions of the selected quiz</source>
        <translation>所选练习的题目</translation>
    </message>
    <message>
        <source>Select a quiz to see its questions.</source>
        <translation>选择一次练习以查看其题目。</translation>
    </message>
    <message>
        <source>Most often wrong (last 8 weeks)</source>
        <translation>最常答错（最近 8 周）</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>级别</translation>
    </message>
    <message>
        <source>Kinds</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Time per question</source>
        <translation>每题时间</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>显示</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>题数</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>答对</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>答错</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>得分</translation>
    </message>
    <message>
        <source>Typical answer</source>
        <translation>通常答题</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>结束</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>序号</translation>
    </message>
    <message>
        <source>Answer time</source>
        <translation>答题时间</translation>
    </message>
    <message>
        <source>Equation</source>
        <translation>算式</translation>
    </message>
    <message>
        <source>Equation is</source>
        <translation>算式实际</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>回答</translation>
    </message>
    <message>
        <source>Judged</source>
        <translation>判定</translation>
    </message>
    <message>
        <source>Times shown</source>
        <translation>出现次数</translation>
    </message>
    <message>
        <source>ddd d MMM, HH:mm</source>
        <translation>M月d日 ddd HH:mm</translation>
    </message>
    <message>
        <source>window</source>
        <translation>窗口</translation>
    </message>
    <message>
        <source>full screen</source>
        <translation>全屏</translation>
    </message>
    <message>
        <source>in progress</source>
        <translation>进行中</translation>
    </message>
    <message>
        <source>completed</source>
        <translation>已完成</translation>
    </message>
    <message>
        <source>program closed</source>
        <translation>程序已关闭</translation>
    </message>
    <message>
        <source>unfinished</source>
        <translation>未完成</translation>
    </message>
    <message>
        <source>true</source>
        <translation>正确</translation>
    </message>
    <message>
        <source>false</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>未回答</translation>
    </message>
    <message>
        <source>key</source>
        <translation>按键</translation>
    </message>
    <message>
        <source>clap</source>
        <translation>拍手</translation>
    </message>
    <message>
        <source>✔ right</source>
        <translation>✔ 对</translation>
    </message>
    <message>
        <source>✘ wrong</source>
        <translation>✘ 错</translation>
    </message>
    <message>
        <source>Export to CSV…</source>
        <translation>导出为 CSV…</translation>
    </message>
    <message>
        <source>Export results</source>
        <translation>导出成绩</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <source>numbrook-results.csv</source>
        <translation>numbrook-成绩.csv</translation>
    </message>
    <message>
        <source>The results could not be written to %1.</source>
        <translation>无法将成绩写入 %1。</translation>
    </message>
    <message>
        <source>Clear history…</source>
        <translation>清除历史…</translation>
    </message>
    <message>
        <source>Clear history</source>
        <translation>清除历史</translation>
    </message>
    <message>
        <source>Delete the record of every quiz? This cannot be undone.</source>
        <translation>删除所有练习记录吗？此操作无法撤销。</translation>
    </message>
    <message>
        <source>The history could not be cleared.</source>
        <translation>无法清除历史。</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Results cannot be saved: the file %1 cannot be opened. Quizzes still work.</source>
        <translation>成绩无法保存：无法打开文件 %1。练习仍可正常进行。</translation>
    </message>
    <message>
        <source>The results file %1 was in use by another program; some results may wait to be saved.</source>
        <translation>成绩文件 %1 正被其他程序占用；部分成绩可能尚待保存。</translation>
    </message>
    <message>
        <source>The results file was damaged. It was kept as %1 and a new one was started.</source>
        <translation>成绩文件已损坏。已保留为 %1，并新建了一个文件。</translation>
    </message>
    <message>
        <source>Some results could not be saved to %1.</source>
        <translation>部分成绩无法保存到 %1。</translation>
    </message>
    <message>
        <source>Test microphone</source>
        <translation>测试麦克风</translation>
    </message>
    <message>
        <source>clap twice</source>
        <translation>请拍手两次</translation>
    </message>
    <message>
        <source>Background up to %1, claps %2 and %3: threshold %4 proposed.</source>
        <translation>背景最高 %1，拍手 %2 和 %3：建议阈值 %4。</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Only one clap stood out from the background. Clap twice, a little louder.</source>
        <translation>只有一次拍手高于背景声。请再拍两次，稍微用力些。</translation>
    </message>
    <message>
        <source>The claps were not clearly louder than the background (up to %1). The threshold stays as it was.</source>
        <translation>拍手声没有明显高于背景声（最高 %1）。阈值保持不变。</translation>
    </message>
    <message>
        <source>Nothing was heard from the microphone.</source>
        <translation>麦克风没有传来任何声音。</translation>
    </message>
    <message>
        <source>Last quiz: %1 of %2 right, %3 points, typical answer time %4</source>
        <translation>上次练习：%2 题答对 %1 题，得分 %3，通常答题时间 %4</translation>
    </message>
    <message>
        <source>No clap was heard. Clap twice, close to the microphone. The threshold stays as it was.</source>
        <translation>没有听到拍手声。请靠近麦克风拍手两次。阈值保持不变。</translation>
    </message>
    <message>
        <source>Child:</source>
        <translation>孩子：</translation>
    </message>
    <message>
        <source>First child</source>
        <translation>第一个孩子</translation>
    </message>
    <message>
        <source>Answers by day</source>
        <translation>每天的回答</translation>
    </message>
    <message>
        <source>Facts</source>
        <translation>基础算式</translation>
    </message>
    <message>
        <source>Learnt facts by day</source>
        <translation>每天已掌握的基础算式</translation>
    </message>
    <message>
        <source>Share of level-1 facts learnt, by day</source>
        <translation>级别 1 基础算式的掌握比例（按天）</translation>
    </message>
    <message>
        <source>%1, % learnt</source>
        <translation>%1，已掌握 %</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>加法</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>减法</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>乘法</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>除法</translation>
    </message>
    <message>
        <source>%1 of %2 learnt</source>
        <translation>已掌握 %1/%2</translation>
    </message>
    <message>
        <source>learnt (right and quick in 2 of the last 3 tries)</source>
        <translation>已掌握（最近 3 次中有 2 次又对又快）</translation>
    </message>
    <message>
        <source>being learnt</source>
        <translation>学习中</translation>
    </message>
    <message>
        <source>not asked yet</source>
        <translation>还没出现过</translation>
    </message>
    <message>
        <source>%1: %2, %3, %4</source>
        <translation>%1：%2，%3，%4</translation>
    </message>
    <message>
        <source>Learnt: %1 of %2 level-1 facts (%3 %)</source>
        <translation>已掌握：级别 1 基础算式 %1/%2（%3 %）</translation>
    </message>
    <message>
        <source>%1 of %2 right; staying silent would have given %3</source>
        <translation>%2 题答对 %1 题；一直不答可对 %3 题</translation>
    </message>
    <message>
        <source>%1 more than silence</source>
        <translation>比不答多 %1 题</translation>
    </message>
    <message>
        <source>%1 fewer than silence</source>
        <translation>比不答少 %1 题</translation>
    </message>
    <message>
        <source>no better than silence</source>
        <translation>不比不答强</translation>
    </message>
    <message>
        <source>Score, beside staying silent</source>
        <translation>成绩与不答对比</translation>
    </message>
    <message>
        <source>Staying silent, %</source>
        <translation>不答，%</translation>
    </message>
    <message>
        <source>addition and subtraction</source>
        <translation>加法和减法</translation>
    </message>
    <message>
        <source>multiplication and division</source>
        <translation>乘法和除法</translation>
    </message>
    <message>
        <source>kind %1</source>
        <translation>类型 %1</translation>
    </message>
    <message>
        <source>Save report (PDF)…</source>
        <translation>保存报告 (PDF)…</translation>
    </message>
    <message>
        <source>Save report</source>
        <translation>保存报告</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF 文件 (*.pdf)</translation>
    </message>
    <message>
        <source>numbrook-report-%1.pdf</source>
        <translation>numbrook-report-%1.pdf</translation>
    </message>
    <message>
        <source>The report could not be written to %1.</source>
        <translation>无法将报告写入 %1。</translation>
    </message>
    <message>
        <source>Numbrook: progress of %1</source>
        <translation>Numbrook：%1 的进步</translation>
    </message>
    <message>
        <source>Period: %1 to %2</source>
        <translation>时间段：%1 至 %2</translation>
    </message>
    <message>
        <source>Quizzes: %1</source>
        <translation>练习次数：%1</translation>
    </message>
    <message>
        <source>Right answers: %1 % — %2</source>
        <translation>答对：%1 % — %2</translation>
    </message>
    <message>
        <source>Typical answer time: %1</source>
        <translation>通常答题时间：%1</translation>
    </message>
    <message>
        <source>Level-1 facts</source>
        <translation>级别 1 基础算式</translation>
    </message>
    <message>
        <source>Most often misjudged</source>
        <translation>最常答错</translation>
    </message>
    <message>
        <source>%1 — wrong %2 of %3 times</source>
        <translation>%1 — %3 次中错 %2 次</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Made on %1</source>
        <translation>生成于 %1</translation>
    </message>
    <message>
        <source>No quizzes recorded yet.</source>
        <translation>还没有练习记录。</translation>
    </message>
    <message>
        <source>This history was written by a newer Numbrook and is left as it is. The quizzes played here are kept aside in %1.</source>
        <translation>此历史记录由更新版本的 Numbrook 写入，将保持原样。在这里进行的练习另存于 %1。</translation>
    </message>
    <message>
        <source>Talk, music or noise reached the threshold.</source>
        <translation>说话、音乐或噪声达到了阈值。</translation>
    </message>
    <message>
        <source>Room %1, claps %2 and %3: “Only claps” with threshold %4 proposed.</source>
        <translation>房间 %1，拍手 %2 和 %3：建议“仅拍手”，阈值 %4。</translation>
    </message>
</context>
<context>
    <name>ShellActions</name>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>无法设置“%1”的数据</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>English</source>
        <translation>简体中文</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>界面</translation>
    </message>
    <message>
        <source>Questions settings</source>
        <translation>题目设置</translation>
    </message>
    <message>
        <source>Actions settings</source>
        <translation>运算设置</translation>
    </message>
    <message>
        <source>Display settings</source>
        <translation>显示设置</translation>
    </message>
    <message>
        <source>System settings</source>
        <translation>系统设置</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>难度</translation>
    </message>
    <message>
        <source>Questions complexity level</source>
        <translation>题目难度</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>Question change speed</source>
        <translation>换题速度</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>运算</translation>
    </message>
    <message>
        <source>Permitted actions</source>
        <translation>允许的运算</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>分辨率</translation>
    </message>
    <message>
        <source>Display resolution</source>
        <translation>显示分辨率</translation>
    </message>
    <message>
        <source>Hotkeys</source>
        <translation>快捷键</translation>
    </message>
    <message>
        <source>Hotkeys selection</source>
        <translation>选择快捷键</translation>
    </message>
    <message>
        <source>Show hints</source>
        <translation>显示提示</translation>
    </message>
    <message>
        <source>Show hints</source>
        <comment>the longer hint of the option</comment>
        <translation>显示悬停提示</translation>
    </message>
    <message>
        <source>Auto minimization</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Auto minimization program at the start</source>
        <translation>启动时自动最小化程序</translation>
    </message>
    <message>
        <source>Autorun</source>
        <translation>自动启动</translation>
    </message>
    <message>
        <source>Autorun program at the start of Windows</source>
        <translation>登录时自动启动程序</translation>
    </message>
    <message>
        <source>Show SPDIF</source>
        <translation>显示 SPDIF</translation>
    </message>
    <message>
        <source>Show SPDIF device</source>
        <translation>显示 SPDIF 设备</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>得分</translation>
    </message>
    <message>
        <source>Display points</source>
        <translation>显示得分</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>提示图</translation>
    </message>
    <message>
        <source>Show hint</source>
        <translation>显示提示图</translation>
    </message>
    <message>
        <source>*ESC - display close</source>
        <translation>*ESC - 关闭显示</translation>
    </message>
    <message>
        <source>See help file</source>
        <translation>打开帮助</translation>
    </message>
    <message>
        <source>Go to our website</source>
        <translation>访问我们的网站</translation>
    </message>
    <message>
        <source>Minimize to tray</source>
        <translation>最小化到托盘</translation>
    </message>
    <message>
        <source>Exit the program</source>
        <translation>退出程序</translation>
    </message>
    <message>
        <source>Visit the program page</source>
        <translation>访问程序主页</translation>
    </message>
    <message>
        <source>Summation and subtraction</source>
        <translation>加法和减法</translation>
    </message>
    <message>
        <source>Multiplication and division</source>
        <translation>乘法和除法</translation>
    </message>
    <message>
        <source>More and less</source>
        <translation>大于和小于</translation>
    </message>
    <message>
        <source>Binary fractions</source>
        <translation>分数</translation>
    </message>
    <message>
        <source>Decimal fraction</source>
        <translation>小数</translation>
    </message>
    <message>
        <source>Hyperbolic logarithm</source>
        <translation>自然对数</translation>
    </message>
    <message>
        <source>Briggs logarithm</source>
        <translation>常用对数</translation>
    </message>
    <message>
        <source>Factorial</source>
        <translation>阶乘</translation>
    </message>
    <message>
        <source>Sinus and cosine</source>
        <translation>正弦和余弦</translation>
    </message>
    <message>
        <source>Tangent and cotangent</source>
        <translation>正切和余切</translation>
    </message>
    <message>
        <source>Soundcard</source>
        <translation>声卡</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>麦克风</translation>
    </message>
    <message>
        <source>L</source>
        <translation>左</translation>
    </message>
    <message>
        <source>R</source>
        <translation>右</translation>
    </message>
    <message>
        <source>Lvl</source>
        <translation>电平</translation>
    </message>
    <message>
        <source>External file</source>
        <translation>外部文件</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>延迟</translation>
    </message>
    <message>
        <source>Porog</source>
        <translation>阈值</translation>
    </message>
    <message>
        <source>The number of threads Out: </source>
        <translation>输出线程数 Out: </translation>
    </message>
    <message>
        <source>The number of threads In:  </source>
        <translation>输入线程数 In:  </translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>总数：</translation>
    </message>
    <message>
        <source>Correct:</source>
        <translation>答对：</translation>
    </message>
    <message>
        <source>Wrong:</source>
        <translation>答错：</translation>
    </message>
    <message>
        <source>Points:</source>
        <translation>得分：</translation>
    </message>
    <message>
        <source>Is the expression correct?</source>
        <translation>这个算式对吗？</translation>
    </message>
    <message>
        <source>The answer key works only while a Numbrook window has the focus.</source>
        <translation>只有 Numbrook 窗口处于活动状态时，答题键才有效。</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>成绩</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Previous speed</source>
        <translation>上一个速度</translation>
    </message>
    <message>
        <source>Next speed</source>
        <translation>下一个速度</translation>
    </message>
    <message>
        <source>Previous microphone</source>
        <translation>上一个麦克风</translation>
    </message>
    <message>
        <source>Next microphone</source>
        <translation>下一个麦克风</translation>
    </message>
    <message>
        <source>Previous answer key</source>
        <translation>上一个答题键</translation>
    </message>
    <message>
        <source>Next answer key</source>
        <translation>下一个答题键</translation>
    </message>
    <message>
        <source>Previous language</source>
        <translation>上一种语言</translation>
    </message>
    <message>
        <source>Next language</source>
        <translation>下一种语言</translation>
    </message>
    <message>
        <source>Microphone signal</source>
        <translation>麦克风信号</translation>
    </message>
    <message>
        <source>Answer key signal</source>
        <translation>答题键信号</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>阈值</translation>
    </message>
    <message>
        <source>Microphone volume</source>
        <translation>麦克风音量</translation>
    </message>
    <message>
        <source>Microphone level</source>
        <translation>麦克风电平</translation>
    </message>
    <message>
        <source>Sound playing</source>
        <translation>正在播放声音</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>题目</translation>
    </message>
    <message>
        <source>Large text</source>
        <translation>大字</translation>
    </message>
    <message>
        <source>Show the question across the board</source>
        <translation>在整个黑板上显示题目</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>孩子</translation>
    </message>
    <message>
        <source>Who plays next: each child has their own settings and results</source>
        <translation>接下来谁练习：每个孩子都有自己的设置和成绩</translation>
    </message>
    <message>
        <source>Previous child</source>
        <translation>上一个孩子</translation>
    </message>
    <message>
        <source>Next child</source>
        <translation>下一个孩子</translation>
    </message>
    <message>
        <source>Add a child</source>
        <translation>添加孩子</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>修改</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>First child</source>
        <translation>第一个孩子</translation>
    </message>
    <message>
        <source>Add a child</source>
        <comment>the title of the dialog that adds a child</comment>
        <translation>添加孩子</translation>
    </message>
    <message>
        <source>Name and picture</source>
        <translation>名字和图片</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名字：</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>图片：</translation>
    </message>
    <message>
        <source>No picture</source>
        <translation>不用图片</translation>
    </message>
    <message>
        <source>Please type the child&apos;s name.</source>
        <translation>请输入孩子的名字。</translation>
    </message>
    <message>
        <source>Another child already has this name.</source>
        <translation>已有别的孩子叫这个名字。</translation>
    </message>
    <message>
        <source>The results database cannot be used just now. Please try again later.</source>
        <translation>成绩数据库暂时无法使用，请稍后再试。</translation>
    </message>
    <message>
        <source>Remove child</source>
        <translation>删除孩子</translation>
    </message>
    <message>
        <source>Remove %1 and all of their results? This cannot be undone.</source>
        <translation>删除 %1 及其所有成绩吗？此操作无法撤销。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>%1, is the expression correct?</source>
        <translation>%1，这个算式对吗？</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>针对练习</translation>
    </message>
    <message>
        <source>Ask mostly the facts the child does not know yet</source>
        <translation>多出孩子还不会的基础算式</translation>
    </message>
    <message>
        <source>level 1 only</source>
        <translation>仅限难度 1</translation>
    </message>
    <message>
        <source>Fluent within</source>
        <translation>掌握标准</translation>
    </message>
    <message>
        <source>A fact counts as learnt when the child answers its true equation within this time</source>
        <translation>孩子在这个时间内对正确的算式作答，该基础算式就算已掌握</translation>
    </message>
    <message>
        <source>Shorter fluency time</source>
        <translation>缩短时间</translation>
    </message>
    <message>
        <source>Longer fluency time</source>
        <translation>延长时间</translation>
    </message>
    <message>
        <source>%1 sec.</source>
        <translation>%1 秒内</translation>
    </message>
    <message>
        <source>School signs</source>
        <translation>课本符号</translation>
    </message>
    <message>
        <source>Show the signs as at school: × ÷ − instead of * / -</source>
        <translation>按课本写法显示符号：用 × ÷ − 代替 * / -</translation>
    </message>
    <message>
        <source>÷</source>
        <translation>÷</translation>
    </message>
    <message>
        <source>Numbrook: help</source>
        <translation>Numbrook：帮助</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>The help text %1 was not found. It was looked for in:
    %2</source>
        <translation>找不到帮助文本 %1。已在以下位置查找：
    %2</translation>
    </message>
    <message>
        <source>No sound playing</source>
        <translation>没有播放声音</translation>
    </message>
    <message>
        <source>800 x 600 window</source>
        <translation>800 x 600 窗口</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>全屏</translation>
    </message>
    <message>
        <source>Previous output device</source>
        <translation>上一个输出设备</translation>
    </message>
    <message>
        <source>Next output device</source>
        <translation>下一个输出设备</translation>
    </message>
    <message>
        <source>Left volume</source>
        <translation>左声道音量</translation>
    </message>
    <message>
        <source>Right volume</source>
        <translation>右声道音量</translation>
    </message>
    <message>
        <source>Left level</source>
        <translation>左声道电平</translation>
    </message>
    <message>
        <source>Right level</source>
        <translation>右声道电平</translation>
    </message>
    <message>
        <source>Previous sound file</source>
        <translation>上一个声音文件</translation>
    </message>
    <message>
        <source>Next sound file</source>
        <translation>下一个声音文件</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Stop playing</source>
        <translation>停止播放</translation>
    </message>
    <message>
        <source>Start recording</source>
        <translation>开始录音</translation>
    </message>
    <message>
        <source>Stop recording</source>
        <translation>停止录音</translation>
    </message>
    <message>
        <source>Sound log</source>
        <translation>声音日志</translation>
    </message>
    <message>
        <source>Only claps</source>
        <translation>仅拍手</translation>
    </message>
    <message>
        <source>Answer only to a clap, not to talk, music or the television; the threshold is then how much louder than the room the clap must be</source>
        <translation>只响应拍手，不响应说话、音乐或电视；此时阈值表示拍手要比房间里的声音响多少</translation>
    </message>
</context>
</TS>
